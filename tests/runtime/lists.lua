-- Browsers, trees, text displays and menu entries: what the binding keeps
-- for FLTK (line values, column widths, buffers) outlives the Lua values
-- that gave it, and handles of lines, items and entries that FLTK freed or
-- moved answer with errors.
local check = dofile(arg[1] .. "/check.lua")

local win = fltk:Fl_Double_Window(0, 0, 300, 300, "")

-- Lines keep their Lua values through inserts, moves and collections.
local b = fltk:Fl_Hold_Browser(0, 0, 100, 100)
b:add("one", {n = 1})
b:add("two")
b:insert(1, "zero", "z")
b:column_widths({40, 50})
collectgarbage()
b:move(3, 1)
check.equal(b:text(3), "zero", "moved line")
check.equal(b:data(3), "z", "its value moved with it")
check.equal(b:data(1).n, 1, "a table as value")
check.equal(b:data(2), nil, "a line without value")
check.equal(table.concat(b:column_widths(), ","), "40,50", "column widths kept")
check.fails_with("out of range", b.text, b, 4)
check.fails_with("icons", fltk:Fl_File_Browser(0, 0, 10, 10).add, fltk:Fl_File_Browser(0, 0, 10, 10), "f", 1)
-- Format codes FLTK would draw with a font past its table or a huge size.
for _, text in ipairs({"@F99", "@.x\t@S99999", "@F15@b@S12@C99999999999@.fine"}) do
  check.equal(pcall(b.add, b, text), text:find("fine") ~= nil, text)
end
b:add("#F99 is text while @ starts codes")
check.fails_with("line 5", b.format_char, b, "#")
b:clear()
b:add("again")
check.equal(b:data(1), nil, "clear drops the values")

-- Tree items: a handle outlives its item without reaching freed memory.
local tree = fltk:Fl_Tree(0, 100, 100, 100)
local c = tree:add("A/B/C")
check.equal(tree:find_item("A/B"), c:parent(), "one item, equal handles")
check.equal(tree:item_pathname(c), "ROOT/A/B/C", "path")
tree:select("A/B/C", false)
check.equal(tree:first_selected_item(), c, "selected by path")
tree:remove(tree:find_item("A"))
check.fails_with("removed", c.label, c)
check.fails_with("removed", tree.select, tree, c)
local other = fltk:Fl_Tree(0, 0, 10, 10):add("X")
check.fails_with("another tree", tree.open, tree, other)
tree:clear()
check.equal(tree:root(), nil, "no root once cleared")
check.equal(tree:add("D"):depth(), 1, "a new root for the next item")

-- A text display keeps its buffer once Lua drops it, and needs one.
local editor = fltk:Fl_Text_Editor(100, 0, 200, 100)
check.fails_with("no buffer", editor.insert, editor, "x")
editor:buffer(fltk:Fl_Text_Buffer())
collectgarbage()
editor:insert("hello\nworld")
check.equal(editor:buffer():text(), "hello\nworld", "the buffer lives on")
check.equal(editor:line_start(8), 6, "line start")
check.fails_with("out of range", editor.insert_position, editor, 12)
check.fails_with("one %d", editor.linenumber_format, editor, "line %d")
local function key() return true end
editor:add_key_binding(113, fltk.FL_CTRL, key)
check.equal(editor:bound_key_function(113, fltk.FL_CTRL), key, "Lua key binding")
check.equal(editor:bound_key_function(0xff0d, 0), true, "FLTK's own binding")

-- A table row wider than the 200 columns FLTK's help view lays out.
local help = fltk:Fl_Help_View(0, 100, 100, 100)
check.fails_with("200 columns", help.value, help, "<table><tr><td colspan=150>a<TD COLSPAN='51'>b")
help:value("<table><tr><td colspan=150>a</table><table><tr><td colspan=150>b</table>")

-- Menu entries: callbacks and values set on an entry, radio groups at the
-- start of the array, and indexes that no longer hold an entry.
local bar = fltk:Fl_Menu_Bar(0, 200, 300, 25)
local got
bar:add("Radio A", 0, nil, nil, fltk.FL_MENU_RADIO)
bar:add("Radio B", 0, nil, nil, fltk.FL_MENU_RADIO)
bar:add("&File/&Quit", 0x40071, function(m, data) got = data end, "quit")
local a, quit = bar:find_item("Radio A"), bar:find_item("&File/&Quit")
a:setonly()
check.equal(a:value() .. bar:find_item("Radio B"):value(), "10", "setonly at the start")
quit:user_data(7)
quit:do_callback()
check.equal(got, 7, "new user data, same callback")
check.fails_with("cannot change", bar.mode, bar, bar:find_index("&File"), 0)
bar:remove(bar:find_index("Radio B"))
bar:remove(bar:find_index("Radio A"))
check.fails_with("no entry", quit.label, quit)

-- A global menu deleted: its shortcuts no longer reach it.
bar:global()
Fl:delete_widget(bar)
Fl:check()
win:show()
Fl:event_key(113)
Fl:event_state(fltk.FL_CTRL)
Fl:handle(fltk.FL_SHORTCUT, win)
