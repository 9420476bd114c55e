-- Writes a random FLUID file for comparing two builds of fluac:
--   lua5.4 mutate.lua SEED FILE   a variant of FILE: a few edits, each a
--                                 fragment that some scanner rule treats apart
--                                 inserted, a span deleted or repeated, or
--                                 the file cut short
--   lua5.4 mutate.lua SEED        a value of about 10,000 lexemes of mixed
--                                 kinds, nested a few levels deep: about
--                                 what fills the parse stack
local seed, path = tonumber(arg[1]), arg[2]
assert(seed, "usage: mutate.lua SEED [FILE]")
math.randomseed(seed)
local R = math.random

if not path then
  local units = { "ab", " ", "  ", "1.5", ";", "x y", "0x1f", "\n", "\t", "(a)", "{b}", "-", "#c\n", "label x", "\\#" }
  local depth, out = R(0, 30), {}
  for _ = 1, R(5500, 8000) do out[#out + 1] = units[R(R(3) == 1 and #units or 5)] end
  io.write("# data file\nversion 1.0308\nheader_name {.h}\ncode_name {.cxx}\nFunction {f()} {} {\n",
    ("Fl_Group g {} {\n"):rep(depth), "Fl_Box b {\n", R(2) == 1 and "label" or "callback", " {",
    table.concat(out), "}\n}\n", ("}\n"):rep(depth), "}\n")
  return
end

local text = assert(io.open(path, "rb")):read("a")

local FRAGMENTS = { " ", "  ", "\t", "\n", "\r\n", "\r", "{", "}", "{}", "\\#", "\\\\", "\\{", "\\}", "\\",
  "#", "# x {", "-", "--", "-5", "-2.5", "1.5", "1.", ".5", "1e-5", "0x1f", "0x", "0xg", "007",
  "label ", "label {", "tooltip ", "user_data {", "callback ", "code0 ", "code3 {", "image {", "code",
  "code {", "version", "version x {", "header_name {", "code_name", "comment {", "decl ", "class ",
  "Fl_Window", "Function", "open", "xywh {1 2 3 4}", "[a", "]", "^x", "`", "_u", "a_b9", "(", ")",
  "\"q\"", ";", "=", "%d", "\xc3\xa9", "\0", "\x01", "label", "image", "labelx {" }

local function insert(at, s) text = text:sub(1, at - 1) .. s .. text:sub(at) end

for _ = 1, R(1, 4) do
  local n = #text
  local at = R(1, n + 1)
  local kind = R(10)
  if kind <= 6 then
    local s = FRAGMENTS[R(#FRAGMENTS)]
    if R(4) == 1 then s = s:rep(R(2, 40)) end
    insert(at, s)
  elseif kind <= 8 and n > 0 then
    local len = R(1, math.min(40, n - at + 1 > 0 and n - at + 1 or 1))
    if kind == 7 then text = text:sub(1, at - 1) .. text:sub(at + len)
    else insert(at, text:sub(at, at + len - 1)) end
  elseif kind == 9 then
    text = text:sub(1, at - 1)
  end
end
io.write(text)
