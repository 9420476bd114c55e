-- Fl_Text_Buffer: editing, its modify and predelete callbacks, files, and
-- the positions FLTK would read past.
local check = dofile(arg[1] .. "/check.lua")
local work = arg[2]

local buf = fltk:Fl_Text_Buffer()
local log = {}
local function on_modify(pos, inserted, deleted, restyled, deleted_text, data)
  log[#log + 1] = ("%s:%d+%d-%d%s"):format(data, pos, inserted, deleted,
                                           deleted_text and deleted_text ~= "" and "=" .. deleted_text or "")
end
-- FLTK calls predelete callbacks before inserts too, with nothing deleted.
local function on_predelete(pos, deleted, data)
  if deleted > 0 then log[#log + 1] = ("pre %s:%d-%d"):format(data, pos, deleted) end
end
buf:add_modify_callback(on_modify, "m")
buf:add_predelete_callback(on_predelete, "p")

-- Each edit, its callbacks, and the text after it.
local edits = {
  { function() buf:text("hello world") end, "m:0+11-0", "hello world" },
  { function() buf:insert(5, ",") end, "m:5+1-0", "hello, world" },
  { function() buf:remove(12, 7) end, "pre p:7-5|m:7+0-5=world", "hello, " },
  { function() buf:append("you") end, "m:7+3-0", "hello, you" },
  { function() buf:replace(0, 5, "bye") end, "pre p:0-5|m:0+3-5=hello", "bye, you" },
}
for i, e in ipairs(edits) do
  log = {}
  e[1]()
  check.equal(table.concat(log, "|"), e[2], "callbacks of edit " .. i)
  check.equal(buf:text(), e[3], "text after edit " .. i)
end
check.equal(select(2, buf:undo()), 5, "undo gives the cursor position")
check.equal(buf:text(), "hello, you", "undo")

-- Removing a callback stops it; an error in one comes out of the edit.
buf:remove_modify_callback(on_modify, "m")
buf:remove_predelete_callback(on_predelete, "p")
log = {}
buf:insert(0, ">")
check.equal(#log, 0, "removed callbacks")
buf:add_modify_callback(function() error("modify failed") end)
check.fails_with("modify failed", buf.insert, buf, 0, ">")

-- Several results as one string.
local function joined(...)
  local t = table.pack(...)
  for i = 1, t.n do t[i] = tostring(t[i]) end
  return table.concat(t, ",")
end

-- Search, lines, words and selections.
local text = fltk:Fl_Text_Buffer()
text:text("one two\nthree four\n")
check.equal(joined(text:search_forward(0, "four")), "true,14", "search_forward")
check.equal(joined(text:search_backward(18, "ONE", false)), "true,0", "search ignoring case")
check.equal(text:search_forward(0, "five"), false, "search for what is not there")
check.equal(text:line_text(10), "three four", "line_text")
check.equal(text:count_lines(0, text:length()), 2, "count_lines")
check.equal(text:word_end(8), 13, "word_end")
text:select(4, 7)
check.equal(text:selection_text(), "two", "selection_text")
check.equal(joined(text:selection_position()), "true,4,7", "selection_position")
text:replace_selection("2")
check.equal(text:text(), "one 2\nthree four\n", "replace_selection")

-- FLTK's undo after a change it did not record, and its search for a text
-- that the end cuts short, reach out of bounds; the binding's do not.
local stale = fltk:Fl_Text_Buffer()
stale:text("abcdefgh")
stale:insert(8, "xyz")
stale:text("a")
check.equal(stale:undo(), false, "nothing to undo after text()")
check.equal(stale:search_forward(0, "a\u{e9}", true), false, "a match cut short by the end")
check.equal(joined(stale:search_backward(1, "A", false)), "true,0", "search backward from the end")

-- Files: save, load, a missing file.
local path = work .. "/buffer.txt"
check.equal(text:savefile(path), 0, "savefile")
local copy = fltk:Fl_Text_Buffer()
check.equal(copy:loadfile(path), 0, "loadfile")
check.equal(copy:text(), text:text(), "the file holds the text")
check.equal(copy:loadfile(work .. "/no/such/file") ~= 0, true, "loadfile of a missing file fails")

-- Positions past the text, inside a UTF-8 character, or a buffer copying
-- into itself, would make FLTK read or write out of bounds.
local utf = fltk:Fl_Text_Buffer()
utf:text("\u{e9}t\u{e9}")
check.fails_with("out of range", utf.insert, utf, 6, "x")
check.fails_with("out of range", utf.text_range, utf, -1, 2)
check.fails_with("inside a UTF-8 character", utf.insert, utf, 1, "x")
check.fails_with("inside a UTF-8 character", utf.line_start, utf, 4)
check.fails_with("cannot copy from itself", utf.copy, utf, utf, 0, 2, 0)
check.fails_with("out of range", utf.loadfile, utf, path, 0)
utf:copy(text, 0, 3, 0)
check.equal(utf:text(), "one\u{e9}t\u{e9}", "copy from another buffer")
check.fails_with("Fl_Text_Buffer expected", utf.copy, utf, {}, 0, 1, 0)
check.fails_with("no more than 2 arguments", utf.append, utf, "x", "y")
