-- fltk_api.lua: the public API of FLTK 1.3 as its installed headers declare
-- it, counted the way the binding's coverage is measured.
--
-- usage: lua5.4 fltk_api.lua [--list] [--bound FILE] [--omitted FILE]
--                            [--check GROUPS] [--include DIR]
--
-- What counts, as "GROUP CLASS NAME" entries (--list prints them):
--   * widget groups (widget, windows, ..., others): every class FLUID 1.3
--     can create and the classes they derive from up to Fl_Widget. A class
--     counts the public non-static member functions it declares itself, so
--     an inherited method counts once, in the class that declares it, and
--     overloads are one name. Constructors, destructors and operators are
--     not counted. A name that a class redeclares counts again for it
--     (Fl_Window's show and Fl_Widget's show are two entries).
--   * Fl: the public static member functions of class Fl, as "Fl NAME".
--   * fl_ask: the functions fl_ask.H declares, as "fltk NAME".
-- Those make the "counted" total. Beside it, counted the same way:
--   * support: Fl_Text_Buffer, Fl_Preferences, Fl_File_Chooser,
--     Fl_Native_File_Chooser and Fl_Shared_Image (static functions included);
--   * menu_item: Fl_Menu_Item;
--   * fl_draw: the functions fl_draw.H declares, as "fltk NAME".
-- The headers are read through the C++ preprocessor with FL_DOXYGEN defined,
-- so what counts is what FLTK's own reference documents: internals it hides
-- (the event state variables, macOS-only and Windows-only parts) are out,
-- and so are Cairo's functions, which Debian's FLTK is built without.
--
-- --bound reads "CLASS NAME" lines: an entry is bound when the binding's
-- class CLASS answers NAME (its own method or an inherited one); more lines
-- than entries are fine. --omitted reads "CLASS NAME reason" lines. The
-- report gives each group's share; the exit status is 1 when an entry of a
-- group named in --check ("all" for every group) is neither bound nor
-- omitted, when an entry is both, or when an omission is not in the headers.

local GROUPS = {
  { "widget", { "Fl_Widget", "Fl_Group" } },
  { "windows", { "Fl_Window", "Fl_Double_Window", "Fl_Single_Window" } },
  { "groups", { "Fl_Pack", "Fl_Scroll", "Fl_Tabs", "Fl_Tile", "Fl_Wizard",
                "Fl_Table", "Fl_Table_Row" } },
  { "buttons", { "Fl_Box", "Fl_Button", "Fl_Return_Button", "Fl_Repeat_Button",
                 "Fl_Light_Button", "Fl_Check_Button", "Fl_Round_Button", "Fl_Radio_Button",
                 "Fl_Radio_Light_Button", "Fl_Radio_Round_Button", "Fl_Toggle_Button",
                 "Fl_Toggle_Round_Button", "Fl_Toggle_Light_Button" } },
  { "inputs", { "Fl_Input", "Fl_Float_Input", "Fl_Int_Input", "Fl_Multiline_Input",
                "Fl_Secret_Input", "Fl_File_Input", "Fl_Output", "Fl_Multiline_Output" } },
  { "text", { "Fl_Text_Display", "Fl_Text_Editor", "Fl_Help_View" } },
  { "valuators", { "Fl_Slider", "Fl_Hor_Slider", "Fl_Fill_Slider", "Fl_Hor_Fill_Slider",
                   "Fl_Nice_Slider", "Fl_Hor_Nice_Slider", "Fl_Value_Slider",
                   "Fl_Hor_Value_Slider", "Fl_Scrollbar", "Fl_Adjuster", "Fl_Counter",
                   "Fl_Simple_Counter", "Fl_Dial", "Fl_Fill_Dial", "Fl_Line_Dial", "Fl_Roller",
                   "Fl_Value_Input", "Fl_Value_Output", "Fl_Spinner", "Fl_Progress",
                   "Fl_Positioner" } },
  { "browsers", { "Fl_Browser", "Fl_Hold_Browser", "Fl_Select_Browser", "Fl_Multi_Browser",
                  "Fl_File_Browser", "Fl_Check_Browser", "Fl_Tree" } },
  { "menus", { "Fl_Menu_Bar", "Fl_Sys_Menu_Bar", "Fl_Choice", "Fl_Menu_Button",
               "Fl_Input_Choice" } },
  { "others", { "Fl_Clock", "Fl_Round_Clock", "Fl_Chart", "Fl_Color_Chooser" } },
}
-- Outside the widget total.
local SUPPORT = { "Fl_Text_Buffer", "Fl_Preferences", "Fl_File_Chooser",
                  "Fl_Native_File_Chooser", "Fl_Shared_Image", "Fl_Menu_Item" }

local function usage()
  io.stderr:write("usage: fltk_api.lua [--list] [--bound FILE] [--omitted FILE] [--check GROUPS]\n"
                  .. "                   [--include DIR]\n")
  os.exit(2)
end

local opts = { include = "/usr/include" }
do
  local i = 1
  while arg[i] do
    local a = arg[i]
    if a == "--list" then opts.list = true
    elseif a == "--bound" or a == "--omitted" or a == "--include" or a == "--check" then
      if not arg[i + 1] then usage() end
      opts[a:sub(3)] = arg[i + 1]
      i = i + 1
    else usage() end
    i = i + 1
  end
end

-- The headers as the documentation sees them, in one translation unit.
local function preprocess()
  local headers = { "FL/Fl.H", "FL/fl_ask.H", "FL/fl_draw.H" }
  local seen = {}
  for _, g in ipairs(GROUPS) do
    for _, c in ipairs(g[2]) do headers[#headers + 1] = "FL/" .. c .. ".H" end
  end
  for _, c in ipairs(SUPPORT) do headers[#headers + 1] = "FL/" .. c .. ".H" end
  local src = {}
  for _, h in ipairs(headers) do
    if not seen[h] then
      seen[h] = true
      src[#src + 1] = ("#include <%s>\n"):format(h)
    end
  end
  local tmp = os.tmpname()
  local f = assert(io.open(tmp, "w"))
  f:write(table.concat(src))
  f:close()
  -- Line markers stay, so that file-scope functions are known by header.
  local cxx = os.getenv("CXX") or "c++"
  local p = assert(io.popen(("%s -E -x c++ -DFL_DOXYGEN -isystem %s %s 2>&1"):format(
    cxx, opts.include, tmp)))
  local text = p:read("a")
  local ok = p:close()
  os.remove(tmp)
  if not ok then
    io.stderr:write("fltk_api.lua: the preprocessor failed:\n", text)
    os.exit(1)
  end
  return text
end

-- Tokens: identifiers, numbers, strings and single punctuation characters,
-- each with the header it came from. __attribute__((...)) is dropped.
local function tokenize(text)
  local toks, files = {}, {}
  local file = "?"
  for line in text:gmatch("[^\n]*") do
    local marker = line:match('^# %d+ "([^"]*)"')
    if marker then
      file = marker
    else
      local i, n = 1, #line
      while i <= n do
        local c = line:sub(i, i)
        local s, e = line:find("^[%a_][%w_]*", i)
        if s then
          toks[#toks + 1], files[#toks + 1] = line:sub(s, e), file
          i = e + 1
        elseif c:match("%d") then
          e = select(2, line:find("^[%w_.]+", i))
          toks[#toks + 1], files[#toks + 1] = line:sub(i, e), file
          i = e + 1
        elseif c == '"' or c == "'" then
          local j = i + 1
          while j <= n and line:sub(j, j) ~= c do
            if line:sub(j, j) == "\\" then j = j + 1 end
            j = j + 1
          end
          toks[#toks + 1], files[#toks + 1] = line:sub(i, j), file
          i = j + 1
        elseif c:match("%s") then
          i = i + 1
        else
          toks[#toks + 1], files[#toks + 1] = c, file
          i = i + 1
        end
      end
    end
  end
  -- Drop __attribute__ ( ( ... ) ) groups.
  local out, outfiles, i = {}, {}, 1
  while i <= #toks do
    if toks[i] == "__attribute__" and toks[i + 1] == "(" then
      local depth = 0
      i = i + 1
      repeat
        if toks[i] == "(" then depth = depth + 1 elseif toks[i] == ")" then depth = depth - 1 end
        i = i + 1
      until depth == 0 or i > #toks
    else
      out[#out + 1], outfiles[#out + 1] = toks[i], files[i]
      i = i + 1
    end
  end
  return out, outfiles
end

local OPEN = { ["("] = ")", ["["] = "]", ["{"] = "}" }

-- Index of the token closing the bracket at i.
local function closing(toks, i)
  local depth = 0
  for j = i, #toks do
    local t = toks[j]
    if OPEN[t] then depth = depth + 1
    elseif t == ")" or t == "]" or t == "}" then
      depth = depth - 1
      if depth == 0 then return j end
    end
  end
  error("unbalanced brackets")
end

local NOT_A_NAME = { void = true, int = true, char = true, const = true, unsigned = true,
                     double = true, float = true, long = true, short = true, bool = true,
                     operator = true }

-- The function a declaration (tokens s..e at the scope's top level) declares:
-- its name and whether it is static, or nil for anything else.
local function function_of(toks, s, e, class)
  local first = toks[s]
  if first == "friend" or first == "typedef" or first == "using" or first == "enum"
     or first == "class" or first == "struct" or first == "union" or first == "template" then
    return nil
  end
  for j = s, e do
    local t = toks[j]
    if t == "(" then
      local name = toks[j - 1]
      if not name or not name:match("^[%a_][%w_]*$") or NOT_A_NAME[name] then return nil end
      if toks[j - 2] == "operator" or toks[j - 2] == "~" or name == class then return nil end
      if toks[j + 1] == "*" then return nil end -- a pointer to a function
      local static = false
      for k = s, j - 1 do
        if toks[k] == "static" then static = true end
      end
      return name, static
    elseif t == "{" or t == "[" or t == "=" then
      return nil
    end
  end
  return nil
end

-- Calls fn(s, e) for each declaration between tokens from..to, and
-- fn(nil, nil, label) for access labels. A declaration ends with ';' or with
-- the body of a function defined in place.
local function declarations(toks, from, to, fn)
  local s, i = from, from
  local has_paren = false
  while i <= to do
    local t = toks[i]
    if (t == "public" or t == "protected" or t == "private") and toks[i + 1] == ":" and i == s then
      fn(nil, nil, t)
      i = i + 2
      s = i
    elseif t == "(" or t == "[" then
      if t == "(" then has_paren = true end
      i = closing(toks, i) + 1
    elseif t == "{" then
      local j = closing(toks, i)
      if has_paren then
        fn(s, i - 1)
        i = j + 1
        if toks[i] == ";" then i = i + 1 end
        s, has_paren = i, false
      else
        i = j + 1
      end
    elseif t == ";" then
      if i > s then fn(s, i - 1) end
      i = i + 1
      s, has_paren = i, false
    else
      i = i + 1
    end
  end
end

local toks, files = tokenize(preprocess())

-- Classes: name -> { bases = {...}, methods = {name=true}, statics = {name=true} }.
local classes = {}
do
  local i = 1
  while i <= #toks do
    if (toks[i] == "class" or toks[i] == "struct") and toks[i + 1]
       and toks[i + 1]:match("^Fl") then
      local name = toks[i + 1]
      local j = i + 2
      local bases = {}
      while toks[j] and toks[j] ~= "{" and toks[j] ~= ";" do
        if toks[j] == "public" and toks[j + 1] and toks[j + 1]:match("^Fl") then
          bases[#bases + 1] = toks[j + 1]
        end
        j = j + 1
      end
      if toks[j] == "{" and not classes[name] then
        local close = closing(toks, j)
        local c = { bases = bases, methods = {}, statics = {} }
        local access = toks[i] == "struct" and "public" or "private"
        declarations(toks, j + 1, close - 1, function(s, e, label)
          if label then
            access = label
          elseif access == "public" then
            local fname, static = function_of(toks, s, e, name)
            if fname then (static and c.statics or c.methods)[fname] = true end
          end
        end)
        classes[name] = c
        i = close + 1
      else
        i = j + 1
      end
    else
      i = i + 1
    end
  end
end

-- File-scope functions of one header.
local function header_functions(header)
  local names = {}
  local depth, s = 0, 1
  local i = 1
  while i <= #toks do
    local t = toks[i]
    if t == "{" then
      -- a class, namespace or function body: skip it whole
      local j = closing(toks, i)
      if files[s] and files[s]:sub(-#header) == header then
        local fname = function_of(toks, s, i - 1, nil)
        if fname and not toks[s]:match("^[cs]") then names[fname] = true end
      end
      i = j + 1
      if toks[i] == ";" then i = i + 1 end
      s = i
    elseif t == "(" then
      i = closing(toks, i) + 1
    elseif t == ";" then
      if files[s] and files[s]:sub(-#header) == header then
        local fname = function_of(toks, s, i - 1, nil)
        if fname and toks[s] ~= "extern" then names[fname] = true end
      end
      i = i + 1
      s = i
    else
      i = i + 1
    end
  end
  _ = depth
  return names
end

local function sorted(set)
  local list = {}
  for k in pairs(set) do list[#list + 1] = k end
  table.sort(list)
  return list
end

-- Entries: { group, class, name }, in a stable order.
local entries = {}
local counted = {}
local function add_class(group, name)
  if counted[name] then return end
  local c = classes[name]
  if not c then
    -- Some names are macros for another class (Fl_Toggle_Round_Button).
    local f = io.open(opts.include .. "/FL/" .. name .. ".H")
    local alias = f and f:read("a"):match("#define%s+" .. name .. "%s+([%w_]+)")
    if f then f:close() end
    if not alias then
      io.stderr:write("fltk_api.lua: no class ", name, " in the headers\n")
      os.exit(1)
    end
    return add_class(group, alias)
  end
  counted[name] = true
  for _, base in ipairs(c.bases) do add_class(group, base) end
  for _, m in ipairs(sorted(c.methods)) do entries[#entries + 1] = { group, name, m } end
end
for _, g in ipairs(GROUPS) do
  for _, name in ipairs(g[2]) do add_class(g[1], name) end
end
local widget_total = #entries
for _, s in ipairs(sorted(classes.Fl.statics)) do entries[#entries + 1] = { "Fl", "Fl", s } end
for _, f in ipairs(sorted(header_functions("FL/fl_ask.H"))) do
  entries[#entries + 1] = { "fl_ask", "fltk", f }
end
local issue_total = #entries
for _, name in ipairs(SUPPORT) do
  local c = classes[name]
  local group = name == "Fl_Menu_Item" and "menu_item" or "support"
  for _, m in ipairs(sorted(c.methods)) do entries[#entries + 1] = { group, name, m } end
  for _, m in ipairs(sorted(c.statics)) do entries[#entries + 1] = { group, name, m } end
end
for _, f in ipairs(sorted(header_functions("FL/fl_draw.H"))) do
  entries[#entries + 1] = { "fl_draw", "fltk", f }
end

if opts.list then
  for _, e in ipairs(entries) do print(table.concat(e, " ")) end
  return
end

-- "CLASS NAME [rest]" lines; blank lines and # comments are skipped.
local function read_pairs(path, need_reason)
  local set = {}
  local f = io.open(path) or error("cannot open " .. path)
  local n = 0
  for line in f:lines() do
    n = n + 1
    if line:match("%S") and not line:match("^%s*#") then
      local class, name, rest = line:match("^(%S+)%s+(%S+)%s*(.*)$")
      if not class or (need_reason and rest == "") then
        io.stderr:write(("%s:%d: expected CLASS NAME%s\n"):format(
          path, n, need_reason and " REASON" or ""))
        os.exit(1)
      end
      set[class .. " " .. name] = rest
    end
  end
  f:close()
  return set
end

local bound = opts.bound and read_pairs(opts.bound, false) or {}
local omitted = opts.omitted and read_pairs(opts.omitted, true) or {}
local checked = {}
for g in (opts.check or ""):gmatch("[^,]+") do checked[g] = true end

local faults = 0
local function fault(message)
  io.stderr:write("fltk_api.lua: ", message, "\n")
  faults = faults + 1
end

local stats, order, known = {}, {}, {}
for _, e in ipairs(entries) do
  local group, key = e[1], e[2] .. " " .. e[3]
  known[key] = true
  local s = stats[group]
  if not s then
    s = { total = 0, bound = 0, omitted = 0 }
    stats[group] = s
    order[#order + 1] = group
  end
  s.total = s.total + 1
  if bound[key] then
    s.bound = s.bound + 1
    if omitted[key] then fault("both bound and omitted: " .. key) end
  elseif omitted[key] then
    s.omitted = s.omitted + 1
  elseif checked[group] or checked.all then
    fault("neither bound nor omitted: " .. key)
  end
end
-- The bound list may hold more (inherited methods, Lua additions); an
-- omission must name what the headers have.
for key in pairs(omitted) do
  if not known[key] then fault("omitted but not in FLTK's headers: " .. key) end
end

print(("%-10s %6s %6s %8s"):format("group", "names", "bound", "omitted"))
local widgets, counted = { 0, 0, 0 }, { 0, 0, 0 }
local function add(t, s)
  t[1], t[2], t[3] = t[1] + s.total, t[2] + s.bound, t[3] + s.omitted
end
for index, group in ipairs(order) do
  local s = stats[group]
  print(("%-10s %6d %6d %8d"):format(group, s.total, s.bound, s.omitted))
  if index <= #GROUPS then add(widgets, s) end
  if index <= #GROUPS or group == "Fl" or group == "fl_ask" then add(counted, s) end
end
assert(widgets[1] == widget_total and counted[1] == issue_total)
for _, row in ipairs({ { "widgets", widgets }, { "counted", counted } }) do
  local t = row[2]
  print(("%-10s %6d %6d %8d  %.1f%% bound"):format(row[1], t[1], t[2], t[3], 100 * t[2] / t[1]))
end
os.exit(faults == 0 and 0 or 1)
