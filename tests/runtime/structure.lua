-- Scripts that fluac wrote build the widget tree that their FLUID file describes.
-- usage: structure.lua TESTDIR EDITOR.lua MENU_BARS.lua
local check = dofile(arg[1] .. "/check.lua")

local function run_translated(path)
  local run = Fl.run
  Fl.run = function() end
  dofile(path)
  Fl.run = run
end

-- The editor's window: a menu bar, then widgets that must still join the
-- window although the menu bar's block ends by making "the current group's
-- parent" current.
run_translated(arg[2])
check.equal(check.tree(editor_window), [[
Fl_Double_Window 300,200 640x420 Untitled - Editor
  Fl_Menu_Bar 0,0 640x25 -
  Fl_Text_Editor 0,25 640x370 -
  Fl_Box 0,395 640x25 Ready]], "editor tree")
check.equal(editor_window:resizable(), editor_window, "resizable")
check.equal(main_menu:find_index("&Edit/Font/Helvetica") ~= nil, true, "nested menu path")
-- Showing the window ended its group, as FLTK's show() does.
check.equal(Fl_Group:current(), nil, "nothing current after show")

-- Menu bars with and without bodies beside a button.
Fl_Group:current(nil)
run_translated(arg[3])
check.equal(check.tree(w), [[
Fl_Double_Window 0,0 400x300 Editor
  Fl_Menu_Bar 0,0 400x25 -
  Fl_Menu_Bar 0,0 0x0 -
  Fl_Button 0,0 0x0 OK
  Fl_Menu_Bar 0,0 0x0 -]], "menu bars tree")

-- The rule itself: a new menu bar is the current container until the next
-- Fl_Group:current(...) call or the next widget.
Fl_Group:current(nil)
local win = fltk:Fl_Window(0, 0, 100, 100)
local bar = fltk:Fl_Menu_Bar(0, 0, 100, 20)
check.equal(Fl_Group:current(), bar, "menu bar is current")
local box = fltk:Fl_Box(0, 20, 10, 10)
check.equal(box:parent(), win, "a widget made meanwhile joins the group")
check.equal(Fl_Group:current(), win, "the widget ends the menu bar's turn")
fltk:Fl_Menu_Bar(0, 0, 100, 20)
Fl_Group:current(Fl_Group:current():parent())
check.equal(Fl_Group:current(), win, "closing the menu bar")
