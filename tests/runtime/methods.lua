-- Each method that translated scripts call, with a representative argument,
-- read back through its getter.
-- usage: methods.lua TESTDIR IMAGE.png
local check = dofile(arg[1] .. "/check.lua")

local win = fltk:Fl_Double_Window(0, 0, 0, 0, "")
win:resize(10, 20, 300, 200)
check.equal(win:x() .. "," .. win:y() .. "," .. win:w() .. "," .. win:h(), "10,20,300,200", "resize")
win:size_range(100, 80, 0, 0)
win:label("Title " .. 1)
check.equal(win:label(), "Title 1", "window label")

local b = fltk:Fl_Button(0, 0, 0, 0, "")
b:label(table.concat({"O", "K"}))
b:tooltip(("tip"):upper())
collectgarbage()
check.equal(b:label(), "OK", "label is a copy")
check.equal(b:tooltip(), "TIP", "tooltip is a copy")
for name, value in pairs({labelsize = 17, labelfont = 1, labelcolor = 4, labeltype = fltk.FL_SHADOW_LABEL,
                          align = 5, when = 1, selection_color = 3, box = fltk.FL_PLASTIC_UP_BOX,
                          down_box = fltk.FL_DOWN_BOX, type = 1, value = 1}) do
  b[name](b, value)
  check.equal(b[name](b), value, name)
end
b:color(0x11223300)
check.equal(b:color(), 0x11223300, "RGB colour")
b:color(7, 2)
check.equal(b:color() .. "/" .. b:selection_color(), "7/2", "two-colour form")
b:type(-1) -- fluac's number for a type word it does not know
check.equal(b:type(), 1, "type -1 keeps the type")
b:redraw()

local input = fltk:Fl_Input(0, 0, 0, 0, "")
input:value("typed " .. "text")
collectgarbage()
check.equal(input:value(), "typed text", "input value")
input:value(42)
check.equal(input:value(), "42", "number as input text")
for name, value in pairs({textsize = 11, textfont = 4, textcolor = 1}) do
  input[name](input, value)
  check.equal(input[name](input), value, name)
end
input:type(5)
check.equal(input:type(), 5, "secret input type")

local slider = fltk:Fl_Value_Slider(0, 0, 0, 0, "")
slider:minimum(-1.5)
slider:maximum(4)
slider:step(0.5)
slider:value(2.5)
slider:textsize(9)
slider:slider_size(0.25)
check.equal(("%g %g %g %g %d %g"):format(slider:minimum(), slider:maximum(), slider:step(),
                                         slider:value(), slider:textsize(), slider:slider_size()),
            "-1.5 4 0.5 2.5 9 0.25", "valuator")

local spinner = fltk:Fl_Spinner(0, 0, 0, 0, "")
spinner:maximum(20)
spinner:value(3)
check.equal(spinner:value() + spinner:maximum(), 23, "spinner")
spinner:type(1)  -- FL_FLOAT_INPUT: the type of its input, not of the spinner widget
check.equal(spinner:type() * 10 + spinner:child(0):type(), 11, "spinner type")

local progress = fltk:Fl_Progress(0, 0, 0, 0, "")
progress:maximum(200)
progress:value(50)
check.equal(progress:value(), 50, "progress")

local browser = fltk:Fl_Browser(0, 0, 0, 0, "")
browser:add("one")
browser:add("two")
browser:type(2)
browser:value(2)
check.equal(browser:size() * 10 + browser:value(), 22, "browser lines and selection")

local choice = fltk:Fl_Choice(0, 0, 0, 0, "")
choice:add("a", 0, nil, nil, 0)
-- As FLUID's C++ leaves it: the first entry shows.
check.equal(choice:value(), 0, "choice shows its first entry")
choice:add("b", 0, nil, nil, 0)
choice:value(1)
check.equal(choice:value(), 1, "choice value")

Fl_Group:current(win)
local tabs = fltk:Fl_Tabs(0, 0, 100, 100, "")
local first = fltk:Fl_Group(0, 20, 100, 80, "One")
Fl_Group:current(tabs)
local second = fltk:Fl_Group(0, 20, 100, 80, "Two")
Fl_Group:current(win)
tabs:value(second)
check.equal(tabs:value(), second, "tabs value")
check.equal(first:visible(), false, "other tab hidden")

local group = fltk:Fl_Group(0, 0, 50, 50, "")
Fl_Group:current(win)
Fl_Group:current():resizable(group)
check.equal(win:resizable(), group, "resizable through Fl_Group:current()")
group:add(b)
check.equal(b:parent(), group, "add moves a widget into a group")
check.equal(group:children(), 1, "children")
check.equal(group:child(0), b, "child")
check.equal(group:child(1), nil, "no child past the last")

b:hide()
check.equal(b:visible(), false, "hide")
b:show()
check.equal(b:visible(), true, "show")

fltk.fl_register_images()
local img = Fl_Shared_Image.get(arg[2])
assert(img, "the PNG loads")
b:image(img)
check.equal(b:image() ~= nil, true, "image set")
b:image(nil)
check.equal(b:image(), nil, "image cleared")
check.equal(Fl_Shared_Image.get(arg[2] .. ".missing"), nil, "a missing image is nil")

win:show()
check.equal(win:shown(), true, "window shown")
Fl:check()
win:hide()

-- The calls of fluac's extended mode.
local dialog = fltk:Fl_Window(0, 0, 200, 100, "")
local ok = fltk:Fl_Button(10, 10, 50, 20, "OK")
local field = fltk:Fl_Input(10, 40, 50, 20, "")
Fl_Group:current(nil)
dialog:xclass("fluac" .. "Dialog")
collectgarbage()
check.equal(dialog:xclass(), "fluacDialog", "xclass is a copy")
dialog:set_modal()
dialog:set_non_modal()
dialog:clear_border()
dialog:hotspot(ok)
ok:shortcut(0x4006f)
check.equal(ok:shortcut(), 0x4006f, "button shortcut")
field:shortcut(0x40066)
check.equal(field:shortcut(), 0x40066, "input shortcut")
ok:deactivate()
check.equal(ok:active(), false, "deactivate")
ok:activate()
check.equal(ok:window(), dialog, "window of a widget")
check.fails_with("Fl_Button has no method 'xclass'", function() ok:xclass("x") end)
check.fails_with("Fl_Box has no method 'shortcut'", function() fltk:Fl_Box(0, 0, 1, 1):shortcut(1) end)
