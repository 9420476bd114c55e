-- render_only.lua IN.fl OUT.fl
-- Writes a copy of a FLUID file that only describes what is drawn: callbacks,
-- user data, code0 to code3 lines, code, declaration and data items, and the
-- class a widget names in place of its own are cut out, so that the C++
-- compiler and the Lua interpreter both accept what is left. So are the
-- header's i18n_ options: the C++ needs no catalog of translations then, and
-- without one the labels it draws are the same. Everything else is copied
-- byte for byte.

local source = assert(io.open(arg[1], "rb")):read("a")

-- The tokens of source[first..last]: words, and braced texts whose braces
-- nest (a backslash escapes the next character).
local function tokenize(first, last)
  local list, p = {}, first
  while p <= last do
    local c = source:sub(p, p)
    if c:match("%s") then
      p = p + 1
    elseif c == "#" and (p == 1 or source:sub(p - 1, p - 1) == "\n") then
      p = (source:find("\n", p, true) or last + 1)
    elseif c == "{" then
      local depth, q = 1, p + 1
      while q <= last and depth > 0 do
        local d = source:sub(q, q)
        if d == "\\" then q = q + 1
        elseif d == "{" then depth = depth + 1
        elseif d == "}" then depth = depth - 1 end
        q = q + 1
      end
      list[#list + 1] = {first = p, last = q - 1, braced = true}
      p = q
    else
      local q = p
      while q <= last and not source:sub(q, q):match("[%s{}]") do q = q + 1 end
      if q == p then q = p + 1 end -- a stray closing brace
      list[#list + 1] = {first = p, last = q - 1, text = source:sub(p, q - 1)}
      p = q
    end
  end
  return list
end

local cuts = {}
local function cut(first, last) cuts[#cuts + 1] = {first, last} end

local dropped_attributes = {
  callback = true, user_data = true, user_data_type = true,
  code0 = true, code1 = true, code2 = true, code3 = true, class = true,
}
local dropped_items = {
  code = true, codeblock = true, decl = true, declblock = true, data = true,
}
-- Header options: those that take one value, and those that stand alone.
local header_words = {
  version = true, header_name = true, code_name = true, gridx = true, gridy = true,
  snap = true, include_guard = true, mergeback = true, format_version = true,
}
local header_flags = {
  use_FL_COMMAND = true, utf8_in_src = true, avoid_early_includes = true,
  do_not_include_H_from_C = true,
}

local function attributes(block)
  local list = tokenize(block.first + 1, block.last - 1)
  local k = 1
  while k <= #list do
    local t = list[k]
    if t.text and dropped_attributes[t.text] and list[k + 1] then
      cut(t.first, list[k + 1].last)
      k = k + 2
    else
      k = k + 1
    end
  end
end

-- An item is: a word, a name, an attribute block, and maybe a child block.
local function items(list)
  local k = 1
  while k <= #list do
    local t = list[k]
    if t.text and header_words[t.text] then
      k = k + 2
    elseif t.text and header_flags[t.text] then
      k = k + 1
    elseif t.text and t.text:match("^i18n_") and list[k + 1] then
      cut(t.first, list[k + 1].last)
      k = k + 2
    elseif t.text and list[k + 2] and list[k + 2].braced then
      local children = list[k + 3] and list[k + 3].braced and list[k + 3] or nil
      local stop = children and k + 3 or k + 2
      if dropped_items[t.text] then
        cut(t.first, list[stop].last)
      else
        attributes(list[k + 2])
        if children then items(tokenize(children.first + 1, children.last - 1)) end
      end
      k = stop + 1
    else
      k = k + 1
    end
  end
end

items(tokenize(1, #source))
table.sort(cuts, function(a, b) return a[1] > b[1] end)
for _, c in ipairs(cuts) do
  source = source:sub(1, c[1] - 1) .. source:sub(c[2] + 1)
end
assert(io.open(arg[2], "wb")):write(source)
