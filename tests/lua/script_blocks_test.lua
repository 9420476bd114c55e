-- Tests of the block reader of fluac-lua
-- (src/runtime/script_blocks.lua): which widget blocks it finds in a script,
-- their lines, nesting and show lines, whatever Lua stands around them.
--   lua5.4 tests/lua/script_blocks_test.lua
local here = arg[0]:match("^(.*)/[^/]*$") or "."
local read = dofile(here .. "/../../src/runtime/script_blocks.lua")

local harness = dofile(here .. "/harness.lua")
local test, eq = harness.test, harness.eq

-- The blocks as one line each: "open-close", then "<OUTER" and "show@LINE".
local function summary(text)
  local lines = {}
  for _, b in ipairs(read(text)) do
    local s = tostring(b.open) .. "-" .. b.close
    if b.outer then s = s .. " <" .. b.outer end
    if b.show then s = s .. " show@" .. b.show end
    lines[#lines + 1] = s
  end
  return table.concat(lines, "\n")
end


test("nested blocks, siblings and the show line of the outermost", function()
  eq(summary [[
do widget= fltk:Fl_Double_Window(0,0,0,0,"")
do widget= fltk:Fl_Tabs(0,0,0,0,"")
do g= fltk:Fl_Group(0,0,0,0,"")
Fl_Group:current(Fl_Group:current():parent())
end
end

do b= fltk:Fl_Button(0,0,0,0,"")
end
end
widget:show()
do second= fltk:Fl_Double_Window(0,0,0,0,"")
end
second:show()
]], "1-10 show@11\n2-6 <1\n3-5 <2\n8-9 <1\n12-13 show@14")
end)

test("Lua code around and inside blocks is not structure", function()
  eq(summary [===[
local function f() do return 1 end end
if x then for i = 1, 2 do end while false do end end
repeat local y = 1 until true
do w= fltk:Fl_Window(0,0,0,0,"")
w:callback(function(b)
  local s = "end" .. 'do' .. "\"end\\" .. [[
end]] .. [=[ ]] do ]=]
  -- end
  --[[ do
  end ]] --[==[ end ]==]
  if b then do print(s) end end
end)
do b= fltk:Fl_Button(0,0,0,0,"")
end
end
w:show()
]===], "4-15 show@16\n13-14 <1")
end)

test("a block inside a function has no outer block beyond the function", function()
  eq(summary [[
do w= fltk:Fl_Window(0,0,0,0,"")
w:callback(function()
do inner= fltk:Fl_Window(0,0,0,0,"")
end
end)
do b= fltk:Fl_Box(0,0,0,0,"")
end
end
]], "1-8\n3-4\n6-7 <1")
end)

test("line breaks count as Lua counts them", function()
  -- "\r\n" and "\n\r" are one break each; a long string and an escaped
  -- newline or \z inside a string carry breaks of their own.
  local text = "local s = [[\n\n]]\r\nlocal t = \"a\\\nb\" .. 'c\\z\n\n   d'\n\r" ..
    "do w= fltk:Fl_Window(0,0,0,0,\"\")\r\nend\r\nw:show()\r\n"
  eq(summary(text), "8-9 show@10")
  -- Lua itself agrees: run without the binding, the script fails at the
  -- constructor, on the block's first line.
  local _, message = pcall(assert(load(text, "=t", "t", {})))
  eq(message, "t:8: attempt to index a nil value (global 'fltk')")
end)

test("a first line starting with # is skipped, as loading a file does", function()
  eq(summary "#!/usr/bin/env fluac-lua do\ndo w= fltk:Fl_Window(0,0,0,0,\"\")\nend\n", "2-3")
end)

test("only the fluac shape opens a widget block", function()
  eq(summary [[
do local w = fltk:Fl_Window(0,0,0,0,"") end
do w = other:Fl_Window(0,0,0,0,"") end
do w = fltk.Fl_Window(0,0,0,0,"")
end
do t.w= fltk:Fl_Window(0,0,0,0,"") end
]], "3-4")
end)

test("two blocks opening on one line name neither", function()
  eq(summary [[
do a= fltk:Fl_Group(0,0,0,0,"") do b= fltk:Fl_Box(0,0,0,0,"") end end
do c= fltk:Fl_Box(0,0,0,0,"") end
]], "false-1\nfalse-1 <1\n2-2")
end)

test("the show line must follow the end directly", function()
  eq(summary [[
do w= fltk:Fl_Window(0,0,0,0,"")
end
print(1) w:show()
do v= fltk:Fl_Window(0,0,0,0,"")
end v:show()
do u= fltk:Fl_Window(0,0,0,0,"")
end
u:show(1)
]], "1-2\n4-5\n6-7")
end)

test("a script cut short ends its open blocks at its last token", function()
  eq(summary [[
do w= fltk:Fl_Window(0,0,0,0,"")
do b= fltk:Fl_Box(0,0,0,0,"")
b:label("unfinished]], "1-3\n2-3 <1")
end)

harness.finish("script_blocks")
