-- Menu entries added by path, with shortcuts, flags, callbacks and user data.
local check = dofile(arg[1] .. "/check.lua")

local win = fltk:Fl_Double_Window(0, 0, 300, 200, "")
local bar = fltk:Fl_Menu_Bar(0, 0, 300, 25, "")
Fl_Group:current(Fl_Group:current():parent())

local picked = {}
local function pick(menu, data) picked[#picked + 1] = {menu, data} end

local prefix = "&File/"
bar:add(prefix .. "&Open", 0x4006f, pick, "open", 0)
bar:add(prefix .. "&Quit", 0x40071, pick, nil, 0)
bar:add("&View/&Grid", 0, pick, "grid", fltk.FL_MENU_TOGGLE)
bar:add("&View/Size/Small", 0, nil, nil, fltk.FL_MENU_RADIO)
bar:add("&View/Size/Large", 0, pick, 7, fltk.FL_MENU_RADIO)
prefix = nil
collectgarbage()

local open = bar:find_index("&File/&Open")
local item = bar:item(open)
check.equal(item.label, "&Open", "label copied")
check.equal(item.shortcut, 0x4006f, "shortcut")
check.equal(item.data, "open", "user data")
check.equal(item.callback, pick, "callback")
local grid = bar:item(bar:find_index("&View/&Grid"))
check.equal(grid.flags & fltk.FL_MENU_TOGGLE, fltk.FL_MENU_TOGGLE, "toggle flag")
local small = bar:item(bar:find_index("&View/Size/Small"))
check.equal(small.flags & fltk.FL_MENU_RADIO, fltk.FL_MENU_RADIO, "radio flag")
check.equal(small.callback, nil, "no callback")
local size = bar:item(bar:find_index("&View/Size"))
check.equal(size.flags & fltk.FL_SUBMENU, fltk.FL_SUBMENU, "submenu from the path")
check.equal(bar:find_index("&View/Nothing"), nil, "unknown path")

bar:picked(open)
check.equal(picked[1][1], bar, "called with the menu")
check.equal(picked[1][2], "open", "and the user data")
bar:picked(bar:find_index("&View/Size/Large"))
check.equal(picked[2][2], 7, "any Lua value as user data")

-- The keyboard: Ctrl+Q reaches the Quit entry through FLTK's shortcut handling.
win:show()
Fl:check()
Fl:event_key(string.byte("q"))
Fl:event_state(fltk.FL_CTRL)
Fl:handle(fltk.FL_SHORTCUT, win)
check.equal(#picked, 3, "shortcut picks the entry")
check.equal(picked[3][2], nil, "entry without user data")

-- Choosing a toggle entry flips it.
bar:picked(bar:find_index("&View/&Grid"))
check.equal(bar:item(bar:find_index("&View/&Grid")).flags & fltk.FL_MENU_VALUE, fltk.FL_MENU_VALUE,
            "toggle is on")

check.fails_with("FL_SUBMENU_POINTER", function() bar:add("x", 0, nil, nil, 0x20) end)
check.fails_with("function expected", function() bar:add("x", 0, "pick", nil, 0) end)
check.equal(bar:add("Tail"), bar:find_index("Tail"), "shortcut, callback and flags are optional")
win:hide()
