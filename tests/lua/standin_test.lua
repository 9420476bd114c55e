-- Tests of the FLTK binding's stand-in itself: the current-group rules, the
-- errors it raises, and the text of the tree that Fl:run() prints.
--   lua5.4 tests/lua/standin_test.lua
local here = arg[0]:match("^(.*)/[^/]*$") or "."
local standin = dofile(here .. "/fltk_standin.lua")

local harness = dofile(here .. "/harness.lua")
local test, eq = harness.test, harness.eq


-- Runs SOURCE as a script named t.lua under a new binding, the way run.lua
-- does; returns what it printed (tree included) or nil and the error.
local function run(source)
  local b = standin.new()
  b.read_script("=t.lua", source)
  local env = standin.environment(b)
  local out = {}
  local real_write = io.write
  io.write = function(...) for _, s in ipairs { ... } do out[#out + 1] = s end end
  local chunk = assert(load(source, "=t.lua", "t", env))
  local ok, err = xpcall(chunk, function(e) return standin.message(e, "t.lua") end)
  io.write = real_write
  if not ok then return nil, err end
  return table.concat(out)
end

local function tree(source)
  local out, err = run(source .. "\nFl:run()\n")
  if not out then error(err, 2) end
  return (out:gsub("^Fl:run%(%) widget tree:\n", ""))
end

local function fails(source, message)
  local out, err = run(source)
  if out then error("ran without error:\n" .. out, 2) end
  eq(err, message)
end

test("a group becomes current and widgets join it", function()
  eq(tree [[
w = fltk:Fl_Double_Window(0,0,100,100,"W")
g = fltk:Fl_Group(0,0,50,50,"")
b = fltk:Fl_Button(1,2,3,4,"B")
Fl_Group:current(Fl_Group:current():parent())
c = fltk:Fl_Box(5,6,7,8,"C")
assert(b:parent() == g and g:parent() == w and w:parent() == nil)
assert(Fl_Group:current() == w)
]], [[
Fl_Double_Window w "W" (0,0,100,100)
  Fl_Group g "" (0,0,50,50)
    Fl_Button b "B" (1,2,3,4)
  Fl_Box c "C" (5,6,7,8)
]])
end)

test("an open menu bar is the current container, a text editor is not", function()
  eq(tree [[
w = fltk:Fl_Window(0,0,10,10,"")
m = fltk:Fl_Menu_Bar(0,0,0,0,"")
assert(Fl_Group:current() == m)
inside = fltk:Fl_Box(0,0,0,0,"")
assert(inside:parent() == w)
Fl_Group:current(Fl_Group:current():parent())
assert(Fl_Group:current() == w)
t = fltk:Fl_Text_Editor(0,0,0,0,"")
assert(Fl_Group:current() == w)
x = fltk:Fl_Button(0,0,0,0,"")
top = fltk:Fl_Menu_Bar(0,0,0,0,"")
Fl_Group:current(nil)
Fl_Group:current(Fl_Group:current())
]], [[
Fl_Window w "" (0,0,10,10)
  Fl_Menu_Bar m "" (0,0,0,0)
  Fl_Box inside "" (0,0,0,0)
  Fl_Text_Editor t "" (0,0,0,0)
  Fl_Button x "" (0,0,0,0)
  Fl_Menu_Bar top "" (0,0,0,0)
]])
end)

test("a window made inside a window is its child", function()
  eq(tree [[
a = fltk:Fl_Double_Window(0,0,0,0,"")
b = fltk:Fl_Double_Window(0,0,0,0,"")
b:show()
]], [[
Fl_Double_Window a "" (0,0,0,0)
  Fl_Double_Window b "" (0,0,0,0) shown
]])
end)

test("with no current group a widget is at the top level", function()
  eq(tree [[
g = fltk:Fl_Group(0,0,0,0,"")
Fl_Group:current(nil)
b = fltk:Fl_Box(0,0,0,0,"")
]], [[
Fl_Group g "" (0,0,0,0) [not in a window]
Fl_Box b "" (0,0,0,0) [not in a window]
]])
end)

test("a group's add moves a widget to its end", function()
  eq(tree [[
g = fltk:Fl_Group(0,0,0,0,"")
a = fltk:Fl_Box(0,0,0,0,"")
b = fltk:Fl_Box(0,0,0,0,"")
Fl_Group:current(nil)
h = fltk:Fl_Group(0,0,0,0,"")
h:add(a)
g:add(a)
]], [[
Fl_Group g "" (0,0,0,0) [not in a window]
  Fl_Box b "" (0,0,0,0)
  Fl_Box a "" (0,0,0,0)
Fl_Group h "" (0,0,0,0) [not in a window]
]])
end)

test("every property, in the tree's order", function()
  eq(tree [[
do w = fltk:Fl_Double_Window(0,0,0,0,"")
w:size_range(1,2,3,4)
Fl_Group:current():resizable(w)
w:show()
do s = fltk:Fl_Value_Slider(0,0,0,0,"")
s:label('say "hi"\n')
s:tooltip("tip")
s:callback(print)
s:value(3) s:step(0.5) s:maximum(10) s:minimum(-1)
s:textcolor(1) s:textsize(2) s:textfont(3)
s:selection_color(4) s:color(5) s:align(6) s:labelcolor(7) s:labelsize(8)
s:labelfont(9) s:labeltype(fltk.FL_SHADOW_LABEL)
s:down_box(fltk.FL_ROUND_DOWN_BOX) s:box(fltk.FL_PLASTIC_UP_BOX) s:type(1)
s:when(2)
fltk.fl_register_images()
s:image(Fl_Shared_Image.get("a.png"))
s:redraw()
end
do b = fltk:Fl_Button(0,0,0,0,"")
b:callback(nil)
b:color(1, 2)
b:hide()
end
end
]], [[
Fl_Double_Window w "" (0,0,0,0) size_range=(1,2,3,4) resizable=w shown
  Fl_Value_Slider s "say \"hi\"\n" (0,0,0,0) type=1 box=FL_PLASTIC_UP_BOX down_box=FL_ROUND_DOWN_BOX labeltype=FL_SHADOW_LABEL labelfont=9 labelsize=8 labelcolor=7 align=6 color=5 selection_color=4 textfont=3 textsize=2 textcolor=1 minimum=-1 maximum=10 step=0.5 value=3 when=2 tooltip="tip" image="a.png" callback=<builtin function>
  Fl_Button b "" (0,0,0,0) color=1 selection_color=2 callback=nil hidden
]])
end)

test("properties read back what was set", function()
  tree [[
i = fltk:Fl_Input(0,0,0,0,"In")
i:value("text")
assert(i:value() == "text" and i:label() == "In")
i:label("Out") i:textsize(9)
assert(i:label() == "Out" and i:textsize() == 9 and i:box() == 0)
i:box(fltk.FL_DOWN_BOX)
assert(i:box() == fltk.FL_DOWN_BOX)
]]
end)

test("aliases give the toolkit's names", function()
  eq(tree [[
b = fltk:Fl_Box(0,0,0,0,"")
b:box(fltk.FL_FRAME) b:labeltype(fltk.FL_SYMBOL_LABEL)
]], [[
Fl_Box b "" (0,0,0,0) box=FL_ENGRAVED_FRAME labeltype=FL_NORMAL_LABEL [not in a window]
]])
end)

test("an image needs registered image formats", function()
  eq(tree [[
b = fltk:Fl_Box(0,0,0,0,"")
b:image(Fl_Shared_Image.get("a.png"))
]], [[
Fl_Box b "" (0,0,0,0) image=nil [not in a window]
]])
end)

test("menu entries: paths, shortcuts, flags, callbacks, user data", function()
  eq(tree [[
m = fltk:Fl_Menu_Bar(0,0,0,0,"")
m:add("A/B", 0x40062, nil, nil, 2)
m:add("A/C", 0xffbe + 0x10000, function() end, 7, 8)
m:add("Esc", 0xff1b, nil, "x", 0)
m:add("Odd", -1, nil, nil, 0x203)
m:add("Text", "^t")
]], [[
Fl_Menu_Bar m "" (0,0,0,0) [not in a window]
  menu "A/B" shortcut=Ctrl+b flags=TOGGLE
  menu "A/C" shortcut=Shift+F1 flags=RADIO callback=<function, line 3> userdata=7
  menu "Esc" shortcut=Escape userdata="x"
  menu "Odd" shortcut=-1 flags=INACTIVE|TOGGLE|0x200
  menu "Text" shortcut="^t"
]])
end)

test("no widgets", function()
  eq(tree "", "(no widgets)\n")
end)

test("errors name the script's line", function()
  fails('b = fltk:Fl_Box(0,0,0,0,"")\n\nb:frobnicate()',
    "t.lua:3: Fl_Box has no method frobnicate in the FLTK binding's stand-in")
  fails('b = fltk:Fl_Box(0,0,0,0,"")\nb:box(fltk.FL_SQUARE_BOX)',
    "t.lua:2: fltk.FL_SQUARE_BOX: the binding has no such constant")
  fails('b = fltk:Fl_Box(0,0,0,0,"")\nb:box(fltk.FL_NO_LABEL + 100)',
    "t.lua:2: box: 101 is not a box type")
  fails('b = fltk:Fl_Box(0,0,0,0,"")\nb:labeltype(fltk.FL_UP_BOX + 20)',
    "t.lua:2: labeltype: 22 is not a label type")
  fails('b = fltk:Fl_Box(0,0,0,0,"")\nb:size_range(1,2,3,4)',
    "t.lua:2: size_range: Fl_Box is not a window")
  fails('b = fltk:Fl_Box(0,0,0,0,"")\nb:resizable(b)',
    "t.lua:2: resizable: Fl_Box is not a group")
  fails('b = fltk:Fl_Box(0,0,0,0,"")\nb:add("x")',
    "t.lua:2: add: Fl_Box is neither a menu nor a group")
  fails('m = fltk:Fl_Menu_Bar(0,0,0,0,"")\nm:add(Item,0,nil,nil,0)',
    "t.lua:2: add: the menu path must be a string, got nil")
  fails('m = fltk:Fl_Menu_Bar(0,0,0,0,"")\nm:add("a",0,"cb",nil,0)',
    "t.lua:2: add: the callback must be a function or nil, got string")
  fails('b = fltk:Fl_Box(0,0,0,0,"")\nb:callback("print")',
    "t.lua:2: callback: expected a function or nil, got string")
  fails('b = fltk:Fl_Box(0,0,0,0,"")\nb:resize(0,0,1.5,1)',
    "t.lua:2: resize: argument 3 must be a whole number, got 1.5")
  fails('b = fltk:Fl_Box(0,0,0,0,"")\nb:labelsize("big")',
    "t.lua:2: labelsize: the argument must be a number, got string")
  fails('b = fltk:Fl_Box(0,0,0,0,"")\nb:value({})',
    "t.lua:2: value: expected a number or a string, got table")
  fails('b = fltk:Fl_Box(0,0,0,0,"")\nb:image("a.png")',
    "t.lua:2: image: expected an image from Fl_Shared_Image.get, got string")
  fails('b = fltk.Fl_Box(0,0,0,0,"")',
    "t.lua:1: call the constructor as fltk:Fl_Box(x, y, w, h, label)")
  fails('b = fltk:Fl_Box(0,0,0,0,{})',
    "t.lua:1: Fl_Box: the label must be a string, got table")
  fails('b = fltk:Fl_Box(0,0,0,0,"")\nFl_Group:current(b)',
    "t.lua:2: Fl_Group:current: expected a group or nil, got Fl_Box")
  fails('b = fltk:Fl_Box(0,0,0,0,"")\nb.label(1)',
    "t.lua:2: label: call it on a widget, as widget:label(...)")
  fails('Fl_Group:current():parent()',
    "t.lua:1: attempt to index a nil value")
end)

test("an error inside a callback that the script runs names its line", function()
  fails('b = fltk:Fl_Box(0,0,0,0,"")\nlocal function f()\n  b:nothing()\nend\nf()',
    "t.lua:3: Fl_Box has no method nothing in the FLTK binding's stand-in")
end)

test("a widget is named by the first variable that holds it", function()
  eq(tree [[
first = fltk:Fl_Box(0,0,0,0,"")
second = first
local hidden = fltk:Fl_Box(0,0,0,0,"")
]], [[
Fl_Box first "" (0,0,0,0) [not in a window]
Fl_Box - "" (0,0,0,0) [not in a window]
]])
end)

harness.finish("standin")
