-- Scripts that fluac wrote build the widget tree that their FLUID file describes.
-- usage: structure.lua TESTDIR EDITOR.lua MENU_BARS.lua BLOCKS.lua
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

-- Containers other than Fl_Group end with a bare `end`; the widgets after
-- them still join their own parent, and an unnamed window's show line (which
-- names the last unnamed widget) shows the window. A second window is a
-- window of its own.
Fl_Group:current(nil)
run_translated(arg[4])
local unnamed = after:window()
check.equal(check.tree(unnamed), [[
Fl_Double_Window 100,100 300x200 Unnamed
  Fl_Tabs 10,10 280x120 -
    Fl_Group 10,35 280x95 One
      Fl_Button 20,50 100x25 Inside one
  Fl_Scroll 10,140 140x50 -
    Fl_Box 10,140 120x25 In the scroll
  Fl_Button 160,140 130x25 After the scroll]], "blocks after containers")
check.equal(unnamed:shown(), true, "the unnamed window is shown")
check.equal(second:parent(), nil, "the second window is a window of its own")
check.equal(second:shown(), true, "the second window is shown")
unnamed:hide()
second:hide()

-- The same rules for a script loaded from a string. An Fl_Table's children
-- join the group inside it, as in C++.
Fl_Group:current(nil)
load([[
do table_win= fltk:Fl_Window(0,0,200,200,"")
do t= fltk:Fl_Table(0,0,100,100,"")
do inside= fltk:Fl_Box(0,0,10,10,"")
end
end
do after_table= fltk:Fl_Box(0,0,10,10,"")
end
end
]])()
check.equal(inside:parent():parent(), t, "a table's child")
check.equal(after_table:parent(), table_win, "the widget after a table")

-- A block outside every container joins the current group, once the groups
-- of blocks that have ended are left.
local holder = fltk:Fl_Group(0, 0, 10, 10)
Fl_Group:current(holder)
load([[
do top_group= fltk:Fl_Group(0,0,0,0,"")
end
do top_tabs= fltk:Fl_Tabs(0,0,0,0,"")
end
do top_box= fltk:Fl_Box(0,0,0,0,"")
end
]])()
check.equal(top_group:parent(), holder, "first block at the top")
check.equal(top_tabs:parent(), holder, "after a group whose block ended")
check.equal(top_box:parent(), holder, "after tabs whose block ended")

-- A show line shows the window of the block before it only for a widget of
-- that window.
Fl_Group:current(nil)
load([[
do other= fltk:Fl_Window(0,0,30,30,"")
end
do win2= fltk:Fl_Window(0,0,30,30,"")
end
other:show()
]])()
check.equal(other:shown(), true, "the window named is shown")
check.equal(win2:shown(), false, "the window before the line is not")
other:hide()
