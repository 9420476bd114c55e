-- cut_windows.lua IN.fl OUTDIR
--   Cuts every window out of a FLUID file: each Fl_Window (or
--   Fl_Double_Window, Fl_Overlay_Window, Fl_Gl_Window) block at any depth,
--   in functions, classes, code blocks or other windows, and each
--   widget_class item. Window K becomes OUTDIR/K.fl: the file's header, then
--   a function without parameters, fluac_window(), holding the block; a
--   widget_class stays an item of its own. Prints one line per window:
--   "K<TAB>KIND<TAB>NAME<TAB>W<TAB>H", KIND being "function" (fluac_window()
--   returns it), "window_class" (NAME() makes it) or "group_class" (NAME(X,
--   Y, W, H) makes a group of that size).
-- cut_windows.lua --whole IN.fl OUT.fl
--   Writes the whole file, with the same cuts.
--
-- The blocks are copied byte for byte, without what only C++ can compile or
-- what exists beside the original file only: callbacks, user data, code0 to
-- code3, extra_code, code and declaration items and functions inside a
-- window (code and declaration blocks give up their braces, keeping the
-- widgets inside), data items, the class a widget names in place of its own
-- (but the window class of a widget_class), images whose file is missing,
-- and names that are no C++ variable names. The header loses its i18n_
-- options: without a catalog of translations, the labels drawn are the same.

local whole = arg[1] == "--whole"
local input, output = arg[whole and 2 or 1], arg[whole and 3 or 2]
local source = assert(io.open(input, "rb")):read("a")
local folder = input:match("^(.*)/") or "."

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

local function inside(t) return tokenize(t.first + 1, t.last - 1) end
local function braced_text(t) return source:sub(t.first + 1, t.last - 1) end

local function set(list)
  local s = {}
  for _, v in ipairs(list) do s[v] = true end
  return s
end

-- Header options: those that take one value, and those that stand alone.
local header_words = set { "version", "header_name", "code_name", "gridx", "gridy", "snap",
  "include_guard", "mergeback", "format_version" }
local header_flags = set { "use_FL_COMMAND", "utf8_in_src", "avoid_early_includes",
  "do_not_include_H_from_C" }
-- Attributes that take a value; every other word stands alone, unless a
-- braced value follows it.
local valued = set { "label", "tooltip", "xywh", "type", "box", "down_box", "labeltype",
  "labelfont", "labelsize", "labelcolor", "align", "when", "color", "selection_color",
  "textfont", "textsize", "textcolor", "minimum", "maximum", "step", "value", "slider_size",
  "size_range", "shortcut", "image", "deimage", "xclass", "comment", "class", "callback",
  "user_data", "user_data_type", "code0", "code1", "code2", "code3", "extra_code",
  "return_type", "after", "filename", "compress_image", "bind_image", "bind_deimage",
  "margin", "gap", "dimensions", "parent_properties" }
local cpp_only = set { "callback", "user_data", "user_data_type", "code0", "code1", "code2",
  "code3", "extra_code" }
local windows = set { "Fl_Window", "Fl_Double_Window", "Fl_Overlay_Window", "Fl_Gl_Window" }
local window_classes = set { "Fl_Window", "Fl_Double_Window" }
local dropped_items = set { "code", "decl", "data" }
local unwrapped_items = set { "codeblock", "declblock" }
-- The edits to make, as {first, last, replacement}.
local cuts = {}
local function cut(first, last, text) cuts[#cuts + 1] = {first, last, text or ""} end

local function attribute_list(block, keep_window_class)
  local list = inside(block)
  local k = 1
  while k <= #list do
    local t, value = list[k], list[k + 1]
    local takes = t.text and value and (valued[t.text] or value.braced)
    if t.text and takes then
      local image = t.text == "image" or t.text == "deimage"
      local name = value.braced and braced_text(value) or value.text
      if cpp_only[t.text]
          or (t.text == "class" and not (keep_window_class and window_classes[name]))
          or (image and not io.open(folder .. "/" .. name, "rb")) then
        cut(t.first, value.last)
      end
      k = k + 2
    else
      k = k + 1
    end
  end
end

-- A widget's name that is no C++ variable name gives way to none, and a
-- widget class's, which it needs, to one of ours. Returns the name left.
local function name(t, class)
  local text = t.braced and braced_text(t) or t.text
  if (text ~= "" or class) and not text:match("^[%a_][%w_]*$") then
    text = class and "fluac_widget_class" or ""
    cut(t.first, t.last, class and text or "{}")
  end
  return text
end

-- Where the items start, after the header's options.
local function header_end(list)
  local k = 1
  while list[k] do
    local t = list[k]
    if t.text and (header_words[t.text] or t.text:match("^i18n_")) then
      k = k + 2
    elseif t.text and header_flags[t.text] then
      k = k + 1
    else
      return t.first
    end
  end
  return #source + 1
end

-- Calls visit(item) for each item of the list: {word, name, attributes,
-- children, first, last}, where name and children may be nil.
local function each_item(list, visit)
  local k = 1
  while k <= #list do
    local t = list[k]
    if t.text and (header_words[t.text] or t.text:match("^i18n_")) then
      k = k + 2
    elseif t.text and t.text == "class" then
      local a = k + 1
      while list[a] and not list[a].braced do a = a + 1 end
      local children = list[a + 1] and list[a + 1].braced and list[a + 1] or nil
      if list[a] then
        visit {word = "class", attributes = list[a], children = children, first = t.first,
               last = (children or list[a]).last}
      end
      k = a + (children and 2 or 1)
    elseif t.text and list[k + 2] and list[k + 2].braced then
      local children = list[k + 3] and list[k + 3].braced and list[k + 3] or nil
      visit {word = t.text, name = list[k + 1], attributes = list[k + 2], children = children,
             first = t.first, last = (children or list[k + 2]).last}
      k = k + (children and 4 or 3)
    else
      k = k + 1
    end
  end
end

-- Cuts what only C++ needs from an item and everything inside it.
-- in_window: inside a window, where functions are C++ only too.
local function clean(item, in_window)
  local w = item.word
  if dropped_items[w] or (in_window and w == "Function") then
    cut(item.first, item.last)
    return
  end
  if unwrapped_items[w] then
    cut(item.first, item.attributes.last)
    if item.children then
      cut(item.children.first, item.children.first)
      cut(item.children.last, item.children.last)
    end
  else
    if item.name and w ~= "Function" and w ~= "comment" then
      item.cpp_name = name(item.name, w == "widget_class")
    end
    attribute_list(item.attributes, w == "widget_class")
  end
  if item.children then
    local nested = in_window or windows[w] or w == "widget_class"
    each_item(inside(item.children), function(child) clean(child, nested) end)
  end
end

-- The source with the cuts that fall within first..last made.
local function edited(first, last)
  table.sort(cuts, function(a, b) return a[1] > b[1] end)
  local text = source:sub(first, last)
  for _, c in ipairs(cuts) do
    if c[1] >= first and c[2] <= last then
      text = text:sub(1, c[1] - first) .. c[3] .. text:sub(c[2] - first + 2)
    end
  end
  return text
end

local top = tokenize(1, #source)
local body = header_end(top)
-- The header's i18n options go.
for k, t in ipairs(top) do
  if t.first >= body then break end
  if t.text and t.text:match("^i18n_") and top[k + 1] then cut(t.first, top[k + 1].last) end
end

if whole then
  each_item(top, function(item) clean(item, false) end)
  assert(io.open(output, "wb")):write(edited(1, #source))
  return
end

-- The windows, in the order of the file, outer ones first.
local found = {}
local function find(item)
  if windows[item.word] or item.word == "widget_class" then found[#found + 1] = item end
  if item.children then each_item(inside(item.children), find) end
end
each_item(top, find)

local header = edited(1, body - 1)
for k, item in ipairs(found) do
  cuts = {}
  clean(item, false)
  local block = edited(item.first, item.last)
  local kind, class, w, h = "function", "-", 0, 0
  local attrs = inside(item.attributes)
  for a, t in ipairs(attrs) do
    if t.text == "xywh" and attrs[a + 1] and attrs[a + 1].braced then
      w, h = braced_text(attrs[a + 1]):match("^%s*%S+%s+%S+%s+(%S+)%s+(%S+)")
    elseif t.text == "class" and attrs[a + 1] then
      class = attrs[a + 1].text or braced_text(attrs[a + 1])
    end
  end
  local file = assert(io.open(output .. "/" .. k .. ".fl", "wb"))
  if item.word == "widget_class" then
    kind = window_classes[class] and "window_class" or "group_class"
    class = item.cpp_name
    file:write(header, block, "\n")
  else
    file:write(header, "Function {fluac_window()} {open\n} {\n  ", block, "\n}\n")
  end
  file:close()
  print(table.concat({k, kind, class, w or 0, h or 0}, "\t"))
end
