-- Widget methods whose behaviour the binding adds to FLTK's: children moved
-- and deleted safely, texts kept alive, edits within the text, formats and
-- indices checked before FLTK trusts them.
-- usage: widget_methods.lua TESTDIR
local check = dofile(arg[1] .. "/check.lua")

local function labels(g)
  local out = {}
  for i = 0, g:children() - 1 do out[#out + 1] = g:child(i):label() or "-" end
  return table.concat(out, " ")
end

-- Children: an index past the end appends, remove takes an index or a
-- widget, a removed resizable child stops being the resizable, and clear
-- leaves FLTK's own parts and deletes the script's children at the next check.
local g = fltk:Fl_Group(0, 0, 100, 100, "g")
local a, b = fltk:Fl_Box(0, 0, 10, 10, "a"), fltk:Fl_Box(0, 0, 10, 10, "b")
Fl_Group:current(nil)
local c = fltk:Fl_Box(0, 0, 10, 10, "c")
g:insert(c, 99)
g:insert(fltk:Fl_Box(0, 0, 1, 1, "d"), b)
check.equal(labels(g), "a d b c", "insert")
check.equal(g:find(b), 2, "find")
g:resizable(b)
g:remove(2)
g:remove(a)
check.equal(labels(g) .. " / " .. tostring(g:resizable() == g), "d c / true", "remove")
check.fails_with("no child at that index", g.remove, g, 5)
g:resizable(g:child(0))
Fl:delete_widget(g:child(0))
Fl:check()
check.equal(g:resizable() == g, true, "a deleted resizable child")
local scroll = fltk:Fl_Scroll(0, 0, 100, 100, "")
Fl_Group:current(nil)
scroll:add(c)
scroll:clear()
check.equal(scroll:children(), 2, "a scroll keeps its scroll bars")
check.equal(c:label(), "c", "cleared children live until the next check")
Fl:check()
check.fails_with("deleted", c.label, c)
check.fails_with("a part that FLTK made", scroll.remove, scroll, 0)
local table_ = fltk:Fl_Table_Row(0, 0, 100, 100, "")
Fl_Group:current(nil)
check.equal(table_:callback_context(), 0, "a new table's callback context")
table_:rows(3)
check.fails_with("no such row", table_.row_height, table_, 3, 20)
table_:row_height(2, 20)
check.equal(table_:row_height(2) .. " " .. table_:select_row(5), "20 -1", "rows")
table_:add(fltk:Fl_Box(0, 0, 1, 1, "cell"))
table_:clear()
check.equal(table_:rows() .. " " .. table_:children(), "0 0", "table clear")

-- Texts FLTK keeps without copying live as long as the widget.
local win = fltk:Fl_Window(0, 0, 50, 50, "")
win:iconlabel(("icon"):rep(2))
local inside = fltk:Fl_Window(0, 0, 10, 10, "")
Fl_Group:current(nil)
local input = fltk:Fl_Input(0, 0, 50, 20, "")
input:static_value(("st"):rep(2))
collectgarbage()
check.equal(win:iconlabel() .. " " .. input:value(), "iconicon stst", "kept texts")
g:add(inside)
check.fails_with("no window holds", inside.show, inside)

-- Edits: places are brought into the text, undo takes an edit back.
input:value("hello world")
input:position(-5, 99)
check.equal(input:position() .. "," .. input:mark(), "0,11", "position clamps")
input:position(5)
input:insert(",")
input:replace(0, 1, "H")
input:cut(-1)
check.equal(input:value() .. " " .. input:size(), "ello, world 11", "edits")
input:undo()
check.equal(input:value(), "Hello, world", "undo")
check.equal(input:index(1), string.byte("e"), "index")
check.fails_with("past the end", input.index, input, 12)
input:size(80, 30)
check.equal(input:w(), 80, "size(w, h) is the widget's")

-- A spinner's format: one conversion of a double, short enough for FLTK's buffer.
local spinner = fltk:Fl_Spinner(0, 0, 50, 20, "")
Fl_Group:current(nil)
for _, f in ipairs({ "%s", "%n", "%d", "%g %g", "x%.*f", "%100f", "%.100f", "%", "%lf" }) do
  check.fails_with("format", spinner.format, spinner, f)
end
for _, f in ipairs({ "%.*f", "%+08.3f mm", "100%% %e", "%G" }) do spinner:format(f) end
spinner:maximum(1e200)
check.fails_with("fixed-point", spinner.format, spinner, "%f")
check.fails_with("fixed-point", spinner.type, spinner, 1)
check.fails_with("out of range", spinner.type, spinner, 255)

-- Numbers by a valuator's step and range.
local v = fltk:Fl_Value_Output(0, 0, 50, 20, "")
v:range(0, 10)
v:precision(2)
check.equal(("%g %g %g %s"):format(v:round(1.2345), v:clamp(12), v:increment(1, 3), v:format()),
            "1.23 10 1.03 0.00", "valuator numbers")
local chart = fltk:Fl_Chart(0, 0, 50, 50, "")
chart:add(1, "one")
chart:insert(1, 2)
check.fails_with("no entry", chart.replace, chart, 3, 5)
check.equal(chart:size(), 2, "chart size")
local clock = fltk:Fl_Clock(0, 0, 50, 50, "")
clock:value(13, 14, 15)
check.equal(clock:hour() * 10000 + clock:minute() * 100 + clock:second(), 131415, "clock")
check.fails_with("out of range", clock.value, clock, math.maxinteger)

-- Drawing outside a draw function reaches a window only while it is shown.
local shown = fltk:Fl_Double_Window(0, 0, 40, 40, "")
Fl_Group:current(nil)
shown:show()
for _ = 1, 5 do Fl:wait(0.02) end
shown:make_current()
fltk.fl_rectf(0, 0, 4, 4, 1)
Fl:delete_widget(shown)
Fl:check()
check.fails_with("nothing to draw on", fltk.fl_rectf, 0, 0, 4, 4, 1)
