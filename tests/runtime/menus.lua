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

-- Entries as FLUID's C++ lists them: nothing merged, empty labels and
-- submenus in their place, path syntax escaped, FLUID's label size.
local m = fltk:Fl_Choice(0, 0, 100, 25, "")
local layout = {
  {"", 0, "", 0}, {"", 0, "", 0},                         -- two empty entries
  {"A", fltk.FL_SUBMENU, "A", fltk.FL_SUBMENU},
  {"A/x", 0, "x", 0}, {"A/x", 0, "x", 0},                 -- the same path twice
  {"A/a\\/b", 0, "a/b", 0}, {"A/\\_c", 0, "_c", 0}, {"A/_d", 0, "d", fltk.FL_MENU_DIVIDER},
  {"", fltk.FL_SUBMENU, "", fltk.FL_SUBMENU}, {"/in", 0, "in", 0},  -- a submenu without a label
  {"B/C/deep", 0, "deep", 0},                              -- submenus made on the way
}
local index = {}
for i, e in ipairs(layout) do index[i] = m:add(e[1], 0, nil, nil, e[2]) end
for i, e in ipairs(layout) do
  local entry = m:menu()[index[i]]
  check.equal(entry:label(), e[3], "label of entry " .. i)
  check.equal(entry:flags(), e[4], "flags of entry " .. i)
  check.equal(entry:labelsize(), 14, "label size of entry " .. i)
end
check.equal(index[5], index[4] + 1, "a second entry of the same label")
check.equal(index[10], index[9] + 1, "an entry of the submenu without a label")
check.equal(m:menu()[index[11] - 2]:label(), "B", "a submenu made on the way")
check.equal(m:value(), 0, "a choice shows its first entry")

local entry = m:menu()[index[3]]
entry:labelsize(20); entry:labelfont(1); entry:labelcolor(4); entry:labeltype(fltk.FL_SHADOW_LABEL)
check.equal(entry:labelsize() + entry:labelfont() + entry:labelcolor(), 25, "label style")
check.equal(entry:submenu(), true, "a submenu")
entry = m:menu()[index[4]]
entry:set(); entry:deactivate(); entry:hide()
check.equal(entry:value() == 1 and not entry:active() and not entry:visible(), true, "flags set")
check.fails_with("out of range", function() return m:menu()[m:size() - 1] end)
check.fails_with("the end of a submenu", function() return m:menu()[index[8] + 1] end)
check.fails_with("out of range", function() entry:labeltype(fltk.FL_FREE_LABELTYPE) end)
fltk.fl_register_images()
local image = Fl_Shared_Image.get(arg[1] .. "/../render/screens/info_icon.png")
assert(image, "the test image")
entry:image(image)
check.equal(entry:label(), nil, "an entry showing an image has no text")
check.fails_with("shows an image", function() entry:labeltype(fltk.FL_NORMAL_LABEL) end)

local ic = fltk:Fl_Input_Choice(0, 0, 100, 25, "")
check.equal(ic:add("Courier", 0, nil, nil, fltk.FL_MENU_DIVIDER), 0, "an input choice's menu")
check.equal(ic:menu()[0]:flags(), fltk.FL_MENU_DIVIDER, "with its flags")
Fl:delete_widget(m)
Fl:check()
check.fails_with("deleted", function() entry:label() end)

-- No call on an entry crashes the host, whatever its arguments.
local m2 = fltk:Fl_Menu_Bar(0, 0, 100, 25, "")
local e2 = m2:menu()[m2:add("a/b", 0, nil, nil, 0)]
local edges = {nil, -1, 0, 7, 2^31, -2^63, 1e300, 0.5, "x", {}, e2, image}
for name in pairs(getmetatable(e2).__index) do
  for i = 1, #edges + 1 do pcall(e2[name], e2, edges[i]) end
  pcall(e2[name], e2, 1, 2, 3)
  pcall(e2[name], m2)
end
for i = 1, #edges + 1 do pcall(function() return m2:menu()[edges[i]] end) end
