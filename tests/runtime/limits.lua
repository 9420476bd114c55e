-- Every argument limit of the binding, at the limit itself and just past it.
local check = dofile(arg[1] .. "/check.lua")

local C = 1 << 24  -- the largest place or size
local win = fltk:Fl_Double_Window(0, 0, 100, 100)
local box = fltk:Fl_Box(0, 0, 10, 10)
local bar = fltk:Fl_Menu_Bar(0, 0, 10, 10)
local choice = fltk:Fl_Choice(0, 0, 10, 10)
local browser = fltk:Fl_Browser(0, 0, 10, 10)
local spinner = fltk:Fl_Spinner(0, 0, 10, 10)
local progress = fltk:Fl_Progress(0, 0, 10, 10)
Fl_Group:current(nil)
bar:add("File/Quit")  -- File, Quit, the end of File, the end of the menu
browser:add("one")

local cases = {
  -- {what, call, a fragment of the error (none: the call succeeds)}
  {"a window's type FL_WINDOW", function() win:type(240) end},
  {"a window's type below", function() win:type(239) end, "needs a window type"},
  {"a box's type FL_WINDOW", function() box:type(240) end, "cannot take a window type"},
  {"a box's type below", function() box:type(239) end},
  {"type past a byte", function() box:type(256) end, "out of range"},
  {"the last box type", function() box:box(63) end},
  {"past it", function() box:box(64) end, "out of range"},
  {"the last label type", function() box:labeltype(15) end},
  {"past it", function() box:labeltype(16) end, "out of range"},
  {"the last font", function() box:labelfont(15) end},
  {"past it", function() box:labelfont(16) end, "out of range"},
  {"the largest font size", function() box:labelsize(1000) end},
  {"past it", function() box:labelsize(1001) end, "out of range"},
  {"a byte of conditions", function() box:when(255) end},
  {"past it", function() box:when(256) end, "out of range"},
  {"the largest colour", function() box:color(0xffffffff) end},
  {"past it", function() box:color(0x100000000) end, "out of range"},
  {"places and sizes at the limits", function() box:resize(-C, C, C, -C) end},
  {"a place past them", function() box:resize(C + 1, 0, 1, 1) end, "out of range"},
  {"a constructor's size past them", function() fltk:Fl_Box(0, 0, 0, -C - 1) end, "out of range"},
  {"window sizes at the limits", function() win:size_range(0, 0, C, C) end},
  {"a negative one", function() win:size_range(-1, 0) end, "out of range"},
  {"divider flags", function() bar:add("A", 0, nil, nil, 0x80) end},
  {"every flag but the submenu pointer", function() bar:add("B", 0, nil, nil, 0xdf) end},
  {"the submenu pointer", function() bar:add("C", 0, nil, nil, 0xff) end, "FL_SUBMENU_POINTER"},
  {"flags past a byte", function() bar:add("D", 0, nil, nil, 0x100) end, "out of range"},
  {"the end of a submenu", function() assert(bar:item(2) == nil) end},
  {"the end of the menu", function() bar:item(bar:size() - 1) end, "out of range"},
  {"picking the end of the menu", function() bar:picked(bar:size() - 1) end, "out of range"},
  {"picking the end of a submenu", function() bar:picked(2) end, "ends a submenu"},
  {"no selection", function() bar:value(-1) assert(bar:value() == -1) end},
  {"below it", function() bar:value(-2) end, "out of range"},
  {"an empty choice without selection", function() choice:value(-1) end},
  {"an empty choice's first entry", function() choice:value(0) end, "out of range"},
  {"a browser's last line", function() browser:value(browser:size()) end},
  {"past it", function() browser:value(browser:size() + 1) end, "out of range"},
  {"the largest image", function() Fl_Shared_Image.get("missing.png", 8192, 8192) end},
  {"past it", function() Fl_Shared_Image.get("missing.png", 8193, 1) end, "out of range"},
  {"a spinner's largest step", function() spinner:step(0x7fffffff) end},
  {"past it", function() spinner:step(0x80000000) end, "too large"},
  {"a progress bar's float", function() progress:value(3.4e38) end},
  {"past it", function() progress:value(3.5e38) end, "out of range for a float"},
  {"a number that is not", function() progress:value(0 / 0) end, "a finite number expected"},
  {"no argument too many", function() box:resize(1, 2, 3, 4) end},
  {"one too many", function() box:resize(1, 2, 3, 4, 5) end, "no more than 5 arguments expected, got 6"},
  {"an argument to hide", function() box:hide(1) end, "no more than 1 argument expected, got 2"},
  {"a second label", function() box:label("a", "b") end, "no more than 2 arguments expected, got 3"},
  {"a sixth constructor argument", function() fltk:Fl_Box(0, 0, 1, 1, "", 1) end, "no more than 6"},
  {"deleting a spinner's input", function() Fl:delete_widget(spinner:child(0)) end, "a part that FLTK made"},
  {"moving it", function() win:add(spinner:child(0)) end, "a part that FLTK made"},
  {"a resizable group around", function() spinner:resizable(win) end},
  {"a resizable widget elsewhere", function() spinner:resizable(box) end, "must be the group"},
}
for _, c in ipairs(cases) do
  local ok, err = pcall(c[2])
  if c[3] then
    assert(not ok and tostring(err):find(c[3], 1, true), c[1] .. ": " .. tostring(err))
  else
    assert(ok, c[1] .. ": " .. tostring(err))
  end
end
check.equal(box:when(), 15, "conditions of later FLTK versions are dropped")

-- A handle to a widget that FLTK built (a spinner's input), once the spinner
-- is deleted and another is built at the same address: the old handle is
-- dead, and the new widget has none of the old one's data.
local input = spinner:child(0)
input:callback(function() end)
local address = tostring(input):match("0x%x+")
Fl:delete_widget(spinner)
Fl:check()
check.fails_with("deleted", function() return input:value() end)
local again = fltk:Fl_Spinner(0, 0, 10, 10):child(0)
check.equal(rawequal(again, input), false, "a new handle")
if tostring(again):match("0x%x+") == address then  -- the allocator reused the place
  check.equal(again:callback(), nil, "no callback of the widget that was there")
end

-- A window deleted before a widget in it: each is deleted once. A deleted
-- group is current no more.
local doomed = fltk:Fl_Window(0, 0, 10, 10)
local inside = fltk:Fl_Box(0, 0, 1, 1)
Fl:delete_widget(doomed)
Fl:delete_widget(inside)
Fl:check()
check.fails_with("deleted", function() return inside:label() end)
check.equal(fltk:Fl_Box(0, 0, 1, 1):parent(), nil, "no group current after its deletion")

-- A radio button's setonly looks at its group's other buttons: without a group
-- it is refused, in one it turns the others off.
Fl_Group:current(nil)
local lone = fltk:Fl_Radio_Button(0, 0, 10, 10)
check.fails_with("in no group", function() lone:setonly() end)
local radios = fltk:Fl_Group(0, 0, 20, 10)
local r1, r2 = fltk:Fl_Radio_Button(0, 0, 10, 10), fltk:Fl_Radio_Button(10, 0, 10, 10)
radios["end"](radios)
r1:value(1)
r2:setonly()
check.equal(r1:value() .. r2:value(), "01", "setonly in a group")
