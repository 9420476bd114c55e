-- The widget blocks of a script shaped like fluac's output.
--
-- fluac writes every widget as a Lua block, and nests the blocks of a
-- container's children inside the container's block:
--
--   do NAME= fltk:CLASS(0,0,0,0,"")
--   ...attribute calls, then the children's blocks...
--   end
--
-- and the line that shows a window stands right after the `end` of its
-- block. This chunk returns a function that reads the source text of a
-- script with a Lua lexer (strings, long brackets and comments included), so
-- that code in callbacks and code items cannot be mistaken for structure, and
-- returns the widget blocks it found, in the order they open:
--
--   { { open = LINE, close = LINE, outer = INDEX or nil, show = LINE or nil }, ... }
--
-- open is the line of the constructor call (false when another widget block
-- opens on the same line, so that a line always names one block); close is
-- the line of the block's `end`; outer is the index of the nearest enclosing
-- widget block within the same function; show is the line of a
-- `NAME:show()` call standing right after the block's `end`.
--
-- Line numbers count line breaks the way Lua does ("\r\n" and "\n\r" are one
-- break). A file whose first line starts with "#" has that line skipped, as
-- luaL_loadfile does. Text that is not valid Lua gives whatever blocks were
-- complete; the loader reports the error itself.
--
-- The chunk uses no global at call time: the binding loads it before the
-- script runs, and the script may change the standard library.
local byte, find, rep, sub = string.byte, string.find, string.rep, string.sub
local ipairs = ipairs

local NEWLINE, CR = 10, 13
local OPENERS = { ["function"] = "function", ["if"] = "if", ["do"] = "do", ["repeat"] = "repeat" }
local OPERATORS = { "...", "..", "==", "~=", "<=", ">=", "<<", ">>", "//", "::" }

-- The tokens of TEXT: lists of kinds ("name", "op", "other"), texts and lines.
local function tokenize(text)
  local kinds, texts, lines = {}, {}, {}
  local n, pos, line, len = 0, 1, 1, #text

  local function push(kind, value, at)
    n = n + 1
    kinds[n], texts[n], lines[n] = kind, value, at
  end

  -- Skips one line break at pos (two characters for "\r\n" and "\n\r").
  local function newline()
    local c = byte(text, pos)
    pos = pos + 1
    local d = byte(text, pos)
    if (d == NEWLINE or d == CR) and d ~= c then pos = pos + 1 end
    line = line + 1
  end

  -- Counts the line breaks in text[from..to] and moves pos past it.
  local function skip_to(to)
    while pos <= to do
      local c = byte(text, pos)
      if c == NEWLINE or c == CR then newline() else pos = pos + 1 end
    end
  end

  -- A long bracket at pos ("[", any number of "=", "["): its level, or nil.
  local function long_bracket_level()
    local _, stop, eqs = find(text, "^%[(=*)%[", pos)
    if stop then return #eqs end
    return nil
  end

  -- Skips a long string or comment whose opening bracket is at pos.
  local function skip_long(level)
    local _, open_end = find(text, "^%[=*%[", pos)
    local close = "]" .. rep("=", level) .. "]"
    local at = find(text, close, open_end + 1, true)
    skip_to(at and at + #close - 1 or len)
  end

  if sub(text, 1, 1) == "#" then
    pos = (find(text, "[\r\n]") or len + 1)
  end

  while pos <= len do
    local c = sub(text, pos, pos)
    if c == "\n" or c == "\r" then
      newline()
    elseif find(c, "^%s") then
      pos = pos + 1
    elseif find(c, "^[%a_]") then
      local _, stop = find(text, "^[%w_]*", pos + 1)
      push("name", sub(text, pos, stop), line)
      pos = stop + 1
    elseif find(c, "^%d") or (c == "." and find(text, "^%.%d", pos)) then
      -- A number, exponent signs included ("1e-5", "0x1p+4").
      local stop = pos
      while true do
        local _, s = find(text, "^[%w_.]*", stop + 1)
        stop = s
        local last = sub(text, stop, stop)
        if find(last, "^[eEpP]") and find(text, "^[+-]", stop + 1) then
          stop = stop + 1
        else
          break
        end
      end
      push("other", sub(text, pos, stop), line)
      pos = stop + 1
    elseif c == "-" and sub(text, pos + 1, pos + 1) == "-" then
      pos = pos + 2
      local level = long_bracket_level()
      if level then
        skip_long(level)
      else
        pos = (find(text, "[\r\n]", pos) or len + 1)
      end
    elseif c == "[" and long_bracket_level() then
      local at = line
      skip_long(long_bracket_level())
      push("other", "string", at)
    elseif c == '"' or c == "'" then
      local at, quote = line, byte(text, pos)
      pos = pos + 1
      while pos <= len do
        local d = byte(text, pos)
        if d == quote then
          pos = pos + 1
          break
        elseif d == 92 then -- a backslash
          pos = pos + 1
          local e = byte(text, pos)
          if e == NEWLINE or e == CR then
            newline()
          elseif e == 122 then -- \z skips the white space after it
            pos = pos + 1
            local _, stop = find(text, "^%s*", pos)
            skip_to(stop)
          else
            pos = pos + 1
          end
        elseif d == NEWLINE or d == CR then
          break -- an unfinished string; Lua reports it
        else
          pos = pos + 1
        end
      end
      push("other", "string", at)
    else
      local op = c
      for _, o in ipairs(OPERATORS) do
        if sub(text, pos, pos + #o - 1) == o then op = o; break end
      end
      push("op", op, line)
      pos = pos + #op
    end
  end
  return kinds, texts, lines, n
end

return function(text)
  local kinds, texts, lines, n = tokenize(text)
  local function is(i, kind, value)
    return i <= n and kinds[i] == kind and (value == nil or texts[i] == value)
  end

  local blocks = {}
  local opened_on = {} -- line -> the block that opens there
  -- The open blocks: their kinds, and for widget blocks the block's index.
  local stack, widget_of, depth = {}, {}, 0
  -- The nearest widget block on the stack, within the same function.
  local function enclosing()
    for d = depth, 1, -1 do
      if widget_of[d] then return widget_of[d] end
      if stack[d] == "function" then return nil end
    end
    return nil
  end

  for i = 1, n do
    local kind, t = kinds[i], texts[i]
    if kind == "name" and OPENERS[t] then
      local index = nil
      -- do NAME= fltk:CLASS(  (or fltk.CLASS)
      if t == "do" and is(i + 1, "name") and is(i + 2, "op", "=") and is(i + 3, "name", "fltk")
          and (is(i + 4, "op", ":") or is(i + 4, "op", ".")) and is(i + 5, "name")
          and is(i + 6, "op", "(") then
        local line = lines[i + 3]
        index = #blocks + 1
        blocks[index] = { open = line, outer = enclosing() }
        if opened_on[line] then
          opened_on[line].open = false
          blocks[index].open = false
        else
          opened_on[line] = blocks[index]
        end
      end
      depth = depth + 1
      stack[depth], widget_of[depth] = t, index
    elseif kind == "name" and (t == "end" or t == "until") and depth > 0 then
      local index = widget_of[depth]
      stack[depth], widget_of[depth] = nil, nil
      depth = depth - 1
      if index then
        local b = blocks[index]
        b.close = lines[i]
        if is(i + 1, "name") and lines[i + 1] > lines[i] and is(i + 2, "op", ":")
            and is(i + 3, "name", "show") and is(i + 4, "op", "(") and is(i + 5, "op", ")") then
          b.show = lines[i + 1]
        end
      end
    end
  end
  -- Blocks left open by a truncated script end with the text.
  for _, b in ipairs(blocks) do
    if not b.close then b.close = lines[n] or 1 end
  end
  return blocks
end
