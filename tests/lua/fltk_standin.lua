-- A recording stand-in for the FLTK binding that fluac's scripts call.
--
-- It provides the globals a translated script uses (fltk, Fl, Fl_Group,
-- Fl_Shared_Image), keeps the widgets it is asked to build, follows the
-- toolkit's rules for the current group, and makes Fl:run() print the widget
-- tree instead of entering an event loop. Nothing is drawn and no file is read.
--
--   local standin = dofile("fltk_standin.lua")
--   local b = standin.new()        -- one binding: b.globals, b.tree(), ...
--
-- The toolkit's rules it keeps:
-- * A new widget joins the current group, at the end of its children.
-- * A new container (a window or a group class) then becomes the current
--   group itself. Widgets that are groups only inside (browsers, text
--   editors, spinners) end themselves in the toolkit and so leave the current
--   group as it was; here they are plain widgets.
-- * A menu bar is no group, but it is made the current container while its
--   block is open, as the real binding does: the line that closes the block
--   then makes the menu bar's parent current again, so that the widgets after
--   it join the same window. A widget made while a menu bar is current joins
--   the menu bar's parent, since a menu bar holds menu entries only.
-- * Fl_Group:current(g) sets the current group, nil included; a widget's
--   parent() is its group, or nil at the top level.
--
-- And the binding's own rules for scripts shaped like fluac's output, once
-- the runner has given the script's text to binding.read_script (the real
-- binding reads it itself; both use src/runtime/script_blocks.lua):
-- * A constructor on the opening line of a widget block puts the widget into
--   the nearest enclosing widget block's container; without one, into the
--   current group once every group whose block has ended is left.
-- * A show() call on the line right after a window block's end, on that
--   window or a widget inside it, shows that window.
--
-- Misuse that the real binding would refuse is an error here too: a method
-- the widget does not have, a box or label type that does not exist, an
-- argument of the wrong kind. The error names the script's line.

local M = {}

-- The binding's block reader, from the source tree.
local here = debug.getinfo(1, "S").source:match("^@(.*)/[^/]*$") or "."
local read_blocks = dofile(here .. "/../../src/runtime/script_blocks.lua")

-- Box and label types, in the toolkit's numbering; the tree prints names.
local BOX_TYPES = {
  "FL_NO_BOX", "FL_FLAT_BOX", "FL_UP_BOX", "FL_DOWN_BOX", "FL_UP_FRAME",
  "FL_DOWN_FRAME", "FL_THIN_UP_BOX", "FL_THIN_DOWN_BOX", "FL_THIN_UP_FRAME",
  "FL_THIN_DOWN_FRAME", "FL_ENGRAVED_BOX", "FL_EMBOSSED_BOX",
  "FL_ENGRAVED_FRAME", "FL_EMBOSSED_FRAME", "FL_BORDER_BOX", "FL_SHADOW_BOX",
  "FL_BORDER_FRAME", "FL_SHADOW_FRAME", "FL_ROUNDED_BOX", "FL_RSHADOW_BOX",
  "FL_ROUNDED_FRAME", "FL_RFLAT_BOX", "FL_ROUND_UP_BOX", "FL_ROUND_DOWN_BOX",
  "FL_DIAMOND_UP_BOX", "FL_DIAMOND_DOWN_BOX", "FL_OVAL_BOX", "FL_OSHADOW_BOX",
  "FL_OVAL_FRAME", "FL_OFLAT_BOX", "FL_PLASTIC_UP_BOX", "FL_PLASTIC_DOWN_BOX",
  "FL_PLASTIC_UP_FRAME", "FL_PLASTIC_DOWN_FRAME", "FL_PLASTIC_THIN_UP_BOX",
  "FL_PLASTIC_THIN_DOWN_BOX", "FL_PLASTIC_ROUND_UP_BOX",
  "FL_PLASTIC_ROUND_DOWN_BOX", "FL_GTK_UP_BOX", "FL_GTK_DOWN_BOX",
  "FL_GTK_UP_FRAME", "FL_GTK_DOWN_FRAME", "FL_GTK_THIN_UP_BOX",
  "FL_GTK_THIN_DOWN_BOX", "FL_GTK_THIN_UP_FRAME", "FL_GTK_THIN_DOWN_FRAME",
  "FL_GTK_ROUND_UP_BOX", "FL_GTK_ROUND_DOWN_BOX", "FL_GLEAM_UP_BOX",
  "FL_GLEAM_DOWN_BOX", "FL_GLEAM_UP_FRAME", "FL_GLEAM_DOWN_FRAME",
  "FL_GLEAM_THIN_UP_BOX", "FL_GLEAM_THIN_DOWN_BOX", "FL_GLEAM_ROUND_UP_BOX",
  "FL_GLEAM_ROUND_DOWN_BOX", "FL_OXY_UP_BOX", "FL_OXY_DOWN_BOX",
  "FL_OXY_UP_FRAME", "FL_OXY_DOWN_FRAME", "FL_OXY_THIN_UP_BOX",
  "FL_OXY_THIN_DOWN_BOX", "FL_OXY_THIN_UP_FRAME", "FL_OXY_THIN_DOWN_FRAME",
  "FL_OXY_ROUND_UP_BOX", "FL_OXY_ROUND_DOWN_BOX", "FL_OXY_BUTTON_UP_BOX",
  "FL_OXY_BUTTON_DOWN_BOX", "FL_FREE_BOXTYPE",
}
local LABEL_TYPES = {
  "FL_NORMAL_LABEL", "FL_NO_LABEL", "FL_SHADOW_LABEL", "FL_ENGRAVED_LABEL",
  "FL_EMBOSSED_LABEL", "FL_MULTI_LABEL", "FL_ICON_LABEL", "FL_IMAGE_LABEL",
  "FL_FREE_LABELTYPE",
}
-- Second names the toolkit gives to some of them.
local ALIASES = {
  FL_FRAME = "FL_ENGRAVED_FRAME", FL_FRAME_BOX = "FL_ENGRAVED_BOX",
  FL_CIRCLE_BOX = "FL_ROUND_DOWN_BOX", FL_DIAMOND_BOX = "FL_DIAMOND_DOWN_BOX",
  FL_SYMBOL_LABEL = "FL_NORMAL_LABEL",
}

local CONSTANTS, BOX_NAME, LABEL_NAME = {}, {}, {}
for i, name in ipairs(BOX_TYPES) do CONSTANTS[name] = i - 1; BOX_NAME[i - 1] = name end
for i, name in ipairs(LABEL_TYPES) do CONSTANTS[name] = i - 1; LABEL_NAME[i - 1] = name end
for alias, name in pairs(ALIASES) do CONSTANTS[alias] = CONSTANTS[name] end

local function set_of(list)
  local s = {}
  for _, v in ipairs(list) do s[v] = true end
  return s
end

local WINDOWS = set_of { "Fl_Window", "Fl_Double_Window", "Fl_Single_Window",
  "Fl_Gl_Window", "Fl_Overlay_Window", "Fl_Menu_Window" }
-- Containers that stay the current group after they are made.
-- (A table makes a group inside it current; the tree shows its children
-- under the table itself.)
local GROUPS = set_of { "Fl_Group", "Fl_Pack", "Fl_Scroll", "Fl_Tabs",
  "Fl_Tile", "Fl_Wizard", "Fl_Flex", "Fl_Grid", "Fl_Table", "Fl_Table_Row" }
for class in pairs(WINDOWS) do GROUPS[class] = true end
-- Menu bars: current while their block is open.
local MENU_BARS = set_of { "Fl_Menu_Bar", "Fl_Sys_Menu_Bar" }
-- Widgets whose add() takes a menu path.
local MENUS = set_of { "Fl_Menu_Bar", "Fl_Sys_Menu_Bar", "Fl_Choice",
  "Fl_Menu_Button", "Fl_Input_Choice" }

-- Menu item flags and shortcut parts, for the tree.
local MENU_FLAGS = { { 1, "INACTIVE" }, { 2, "TOGGLE" }, { 4, "VALUE" },
  { 8, "RADIO" }, { 0x10, "INVISIBLE" }, { 0x20, "SUBMENU_POINTER" },
  { 0x40, "SUBMENU" }, { 0x80, "DIVIDER" }, { 0x100, "HORIZONTAL" } }
local MODIFIERS = { { 0x00400000, "Meta+" }, { 0x00040000, "Ctrl+" },
  { 0x00080000, "Alt+" }, { 0x00010000, "Shift+" } }
local KEYS = { [0xff08] = "BackSpace", [0xff09] = "Tab", [0xff0d] = "Enter",
  [0xff1b] = "Escape", [0xff50] = "Home", [0xff51] = "Left", [0xff52] = "Up",
  [0xff53] = "Right", [0xff54] = "Down", [0xff55] = "Page_Up",
  [0xff56] = "Page_Down", [0xff57] = "End", [0xff63] = "Insert",
  [0xffff] = "Delete" }

-- Errors the binding raises are tables, so that the runner can put the
-- script's line in front of them (see M.message).
local StandinError = {}
StandinError.__index = StandinError
StandinError.__tostring = function(e) return e.text end

local function fail(fmt, ...)
  error(setmetatable({ text = string.format(fmt, ...) }, StandinError), 0)
end

-- Text for the tree: a string in double quotes with \ " and control
-- characters escaped, so that one widget is always one line.
local function quote(s)
  return '"' .. s:gsub('[%c"\\]', function(c)
    local named = { ["\n"] = "\\n", ["\t"] = "\\t", ["\r"] = "\\r",
      ['"'] = '\\"', ["\\"] = "\\\\" }
    return named[c] or string.format("\\%03d", c:byte())
  end) .. '"'
end

local function show_value(v)
  if type(v) == "string" then return quote(v) end
  return tostring(v)
end

local function show_function(f)
  if f == nil then return "nil" end
  local info = debug.getinfo(f, "S")
  if info.what == "C" then return "<builtin function>" end
  return string.format("<function, line %d>", info.linedefined)
end

local function show_shortcut(n)
  if type(n) == "string" then return quote(n) end
  if n < 0 or n > 0x7fffffff then return tostring(n) end
  local text, rest = "", n
  for _, m in ipairs(MODIFIERS) do
    if rest & m[1] ~= 0 then text = text .. m[2]; rest = rest & ~m[1] end
  end
  if rest > 0x20 and rest < 0x7f then return text .. string.char(rest) end
  if KEYS[rest] then return text .. KEYS[rest] end
  if rest > 0xffbd and rest <= 0xffbd + 35 then return text .. "F" .. (rest - 0xffbd) end
  return string.format("0x%x", n)
end

local function show_flags(n)
  local names, rest = {}, n
  for _, f in ipairs(MENU_FLAGS) do
    if rest & f[1] ~= 0 then names[#names + 1] = f[2]; rest = rest & ~f[1] end
  end
  if rest ~= 0 then names[#names + 1] = string.format("0x%x", rest) end
  return table.concat(names, "|")
end

-- The properties that the tree prints, in its order, with their formats.
local function show_box(v) return BOX_NAME[v] end
local function show_label_type(v) return LABEL_NAME[v] end
local PROPERTIES = {
  { "type" }, { "box", show_box }, { "down_box", show_box },
  { "labeltype", show_label_type }, { "labelfont" }, { "labelsize" },
  { "labelcolor" }, { "align" }, { "color" }, { "selection_color" },
  { "textfont" }, { "textsize" }, { "textcolor" }, { "minimum" },
  { "maximum" }, { "step" }, { "slider_size" }, { "value", show_value }, { "when" },
  { "size_range" }, { "tooltip", show_value }, { "image" }, { "deimage" },
  { "callback", show_function }, { "resizable" }, { "shortcut" },
  { "xclass", show_value }, { "modal" }, { "inactive" }, { "noborder" },
  { "hotspot" },
}

function M.new()
  local binding = {}
  local widgets = {}      -- every widget, in the order it was made
  local state = {}        -- widget -> its recorded state
  local images = {}       -- image objects -> path
  local current = nil     -- the current group
  local scripts = {}      -- chunk source -> { blocks, opens, shows }
  local registered = false
  binding.runs = 0

  local function is_widget(v) return state[v] ~= nil end

  -- The first global name a widget is stored under names it in the tree.
  function binding.saw_global(name, value)
    local s = state[value]
    if s and not s.name then s.name = name end
  end

  local function ref(w)
    local s = state[w]
    return s.name or s.class
  end

  local function check_self(w, method)
    if not is_widget(w) then
      fail("%s: call it on a widget, as widget:%s(...)", method, method)
    end
    return state[w]
  end

  local function check_number(v, method, what)
    if type(v) ~= "number" then
      fail("%s: %s must be a number, got %s", method, what or "the argument", type(v))
    end
    return v
  end

  local function check_integer(v, method, what)
    check_number(v, method, what)
    if math.type(v) ~= "integer" and v ~= math.floor(v) then
      fail("%s: %s must be a whole number, got %s", method, what or "the argument", tostring(v))
    end
    return v
  end

  local function add_child(group, w)
    local s = state[w]
    if s.parent then
      local siblings = state[s.parent].children
      for i, c in ipairs(siblings) do
        if c == w then table.remove(siblings, i); break end
      end
    end
    if group and MENU_BARS[state[group].class] then group = state[group].parent end
    s.parent = group
    if group then table.insert(state[group].children, w) end
  end

  -- The script whose chunk Lua names SOURCE (as debug.getinfo does) has
  -- the text TEXT.
  function binding.read_script(source, text)
    local script = { blocks = read_blocks(text), opens = {}, shows = {} }
    for _, b in ipairs(script.blocks) do
      if b.open then script.opens[b.open] = b end
      if b.show then script.shows[b.show] = b end
    end
    scripts[source] = script
  end

  -- The script and line of the caller of a binding function.
  local function caller()
    local info = debug.getinfo(3, "Sl")
    if not info or info.currentline <= 0 then return nil end
    return scripts[info.source], info.currentline
  end

  local function contains(outer, w)
    while w do
      if w == outer then return true end
      w = state[w].parent
    end
    return false
  end

  -- The group a new widget joins: by the rules above when the constructor
  -- opens a widget block; returns that block too.
  local function place(script, line)
    local block = script and script.opens[line]
    if not block then return current, nil end
    local k = block.outer
    while k do
      local b = script.blocks[k]
      if b.inner then return b.inner, block end
      k = b.outer
    end
    local g = current
    if g and MENU_BARS[state[g].class] then g = state[g].parent end
    local stepped = true
    while g and stepped do
      stepped = false
      for _, b in ipairs(script.blocks) do
        if b.inner == g and not (b.open <= line and line <= b.close) then
          g, stepped = state[g].parent, true
          break
        end
      end
    end
    return g, block
  end

  local methods = {}

  -- label, tooltip: a string (or nil to clear).
  local function check_text(v, name)
    if v ~= nil and type(v) ~= "string" and type(v) ~= "number" then
      fail("%s: expected a string, got %s", name, type(v))
    end
    return v ~= nil and tostring(v) or nil
  end
  function methods.label(self, ...)
    local s = check_self(self, "label")
    if select("#", ...) == 0 then return s.label end
    s.label = check_text(..., "label") or ""
  end

  -- A property that one argument sets, once CHECK(value, name) accepts it,
  -- and no argument reads.
  local function property(name, check, default)
    methods[name] = function(self, ...)
      local s = check_self(self, name)
      if select("#", ...) == 0 then
        local v = s.props[name]
        if v == nil then return default end
        return v
      end
      s.props[name] = check((...), name)
    end
  end

  property("tooltip", check_text)
  -- Sizes, fonts, colours, alignment and flags are integers.
  for _, name in ipairs { "type", "textsize", "labelsize", "align", "when",
    "textfont", "labelfont", "labelcolor", "selection_color", "textcolor" } do
    property(name, check_integer, 0)
  end
  -- Value ranges are any number.
  for _, name in ipairs { "minimum", "maximum", "step", "slider_size" } do
    property(name, check_number, 0)
  end
  -- A value is a number (valuators, buttons) or a string (inputs, outputs).
  property("value", function(v)
    if type(v) ~= "number" and type(v) ~= "string" then
      fail("value: expected a number or a string, got %s", type(v))
    end
    return v
  end, 0)

  local function constant_property(name, names, kind)
    property(name, function(v)
      if names[v] == nil then fail("%s: %s is not a %s", name, tostring(v), kind) end
      return v
    end, 0)
  end
  constant_property("box", BOX_NAME, "box type")
  constant_property("down_box", BOX_NAME, "box type")
  constant_property("labeltype", LABEL_NAME, "label type")

  -- color(c) or color(c, selection_color).
  function methods.color(self, ...)
    local s = check_self(self, "color")
    local n = select("#", ...)
    if n == 0 then return s.props.color or 0 end
    local c, sel = ...
    s.props.color = check_integer(c, "color")
    if n >= 2 then
      s.props.selection_color = check_integer(sel, "color", "the selection colour")
    end
  end

  function methods.callback(self, ...)
    local s = check_self(self, "callback")
    if select("#", ...) == 0 then return s.props.callback end
    local f = ...
    if f ~= nil and type(f) ~= "function" then
      fail("callback: expected a function or nil, got %s", type(f))
    end
    s.props.callback = f
    s.set.callback = true
  end

  for _, name in ipairs { "image", "deimage" } do
    methods[name] = function(self, ...)
      local s = check_self(self, name)
      if select("#", ...) == 0 then return s[name] end
      local img = ...
      if img ~= nil and images[img] == nil then
        fail("%s: expected an image from Fl_Shared_Image.get, got %s", name, type(img))
      end
      s[name] = img
      s.props[name] = img and quote(images[img]) or "nil"
    end
  end

  function methods.redraw(self)
    check_self(self, "redraw")
  end

  function methods.resize(self, x, y, w, h)
    local s = check_self(self, "resize")
    for i, v in ipairs { x, y, w, h } do check_integer(v, "resize", "argument " .. i) end
    s.rect = { x, y, w, h }
  end

  function methods.size_range(self, ...)
    local s = check_self(self, "size_range")
    if not WINDOWS[s.class] then fail("size_range: %s is not a window", s.class) end
    local n = select("#", ...)
    if n < 2 then fail("size_range: needs at least the minimum width and height") end
    local args = { ... }
    for i = 1, n do check_integer(args[i], "size_range", "argument " .. i) end
    s.props.size_range = "(" .. table.concat(args, ",") .. ")"
  end

  function methods.show(self)
    check_self(self, "show")
    local script, line = caller()
    local block = script and script.shows[line]
    if block and block.made and WINDOWS[state[block.made].class] and contains(block.made, self) then
      self = block.made
    end
    local s = state[self]
    s.hidden = false
    s.shown = true
  end

  function methods.hide(self)
    local s = check_self(self, "hide")
    s.hidden = true
    s.shown = false
  end

  function methods.parent(self)
    local s = check_self(self, "parent")
    return s.parent
  end

  -- The calls of the extended translation.
  property("shortcut", check_integer, 0)
  property("xclass", check_text)
  local function flag(name, prop, value)
    methods[name] = function(self)
      local s = check_self(self, name)
      s.props[prop] = value
    end
  end
  flag("deactivate", "inactive", "yes")
  flag("set_modal", "modal", "yes")
  flag("set_non_modal", "modal", "non-modal")
  flag("clear_border", "noborder", "yes")

  -- window(): the nearest window above the widget.
  function methods.window(self)
    local s = check_self(self, "window")
    local p = s.parent
    while p and not WINDOWS[state[p].class] do p = state[p].parent end
    return p
  end

  function methods.hotspot(self, w)
    local s = check_self(self, "hotspot")
    if not WINDOWS[s.class] then fail("hotspot: %s is not a window", s.class) end
    if not is_widget(w) then fail("hotspot: expected a widget, got %s", type(w)) end
    s.props.hotspot = ref(w)
  end

  function methods.resizable(self, ...)
    local s = check_self(self, "resizable")
    if not GROUPS[s.class] then fail("resizable: %s is not a group", s.class) end
    if select("#", ...) == 0 then return s.resizable end
    local w = ...
    if w ~= nil and not is_widget(w) then
      fail("resizable: expected a widget or nil, got %s", type(w))
    end
    s.resizable = w
    s.set.resizable = true
  end

  -- add: a menu path on menus, a child widget on groups.
  function methods.add(self, ...)
    local s = check_self(self, "add")
    if MENUS[s.class] then
      local path, shortcut, callback, userdata, flags = ...
      if type(path) ~= "string" then
        fail("add: the menu path must be a string, got %s", type(path))
      end
      if shortcut == nil then shortcut = 0 end
      if type(shortcut) ~= "string" then check_integer(shortcut, "add", "the shortcut") end
      if callback ~= nil and type(callback) ~= "function" then
        fail("add: the callback must be a function or nil, got %s", type(callback))
      end
      if flags == nil then flags = 0 end
      check_integer(flags, "add", "the flags")
      table.insert(s.menu, { path = path, shortcut = shortcut, callback = callback,
        userdata = userdata, flags = flags })
      return #s.menu - 1
    elseif GROUPS[s.class] then
      local w = ...
      if not is_widget(w) then fail("add: expected a widget, got %s", type(w)) end
      add_child(self, w)
    else
      fail("add: %s is neither a menu nor a group", s.class)
    end
  end

  -- menu(): the entries, indexed from 0 by what add returned; an entry
  -- records the label attributes set on it.
  local entry_methods = {}
  for _, name in ipairs { "labelsize", "labelfont", "labelcolor", "labeltype" } do
    entry_methods[name] = function(handle, v)
      check_integer(v, name, "the value")
      table.insert(handle.entry.look, name .. "=" .. v)
    end
  end
  function entry_methods.image(handle, img)
    table.insert(handle.entry.look, "image=" .. quote(images[img] or "nil"))
  end
  local entry_meta = { __index = function(_, key)
    return entry_methods[key] or fail("menu entries have no method %s in the stand-in", tostring(key))
  end }
  function methods.menu(self)
    local s = check_self(self, "menu")
    if not MENUS[s.class] then fail("menu: %s is not a menu", s.class) end
    return setmetatable({}, { __index = function(_, i)
      local e = s.menu[i + 1] or fail("menu: no entry %s", tostring(i))
      e.look = e.look or {}
      return setmetatable({ entry = e }, entry_meta)
    end })
  end

  local widget_meta = {
    __index = function(self, key)
      local m = methods[key]
      if m == nil then
        fail("%s has no method %s in the FLTK binding's stand-in", state[self].class, tostring(key))
      end
      return m
    end,
    __tostring = function(self) return state[self].class .. " " .. ref(self) end,
  }

  local function construct(class)
    return function(self, x, y, w, h, label)
      if self ~= binding.globals.fltk then
        fail("call the constructor as fltk:%s(x, y, w, h, label)", class)
      end
      for i, v in ipairs { x, y, w, h } do check_integer(v, class, "argument " .. i) end
      if label ~= nil and type(label) ~= "string" then
        fail("%s: the label must be a string, got %s", class, type(label))
      end
      local widget = setmetatable({}, widget_meta)
      state[widget] = { class = class, label = label or "", rect = { x, y, w, h },
        props = {}, set = {}, children = {}, menu = {} }
      table.insert(widgets, widget)
      local parent, block = place(caller())
      current = parent
      add_child(current, widget)
      if GROUPS[class] or MENU_BARS[class] then current = widget end
      if block then
        block.made = widget
        block.inner = GROUPS[class] and widget or nil
      end
      return widget
    end
  end

  local fltk = { fl_register_images = function() registered = true end }
  setmetatable(fltk, {
    __index = function(_, key)
      if type(key) == "string" and key:match("^FL_") then
        local v = CONSTANTS[key]
        if v == nil then fail("fltk.%s: the binding has no such constant", key) end
        return v
      end
      return construct(key)
    end,
  })

  local Fl_Group = {}
  function Fl_Group.current(self, ...)
    if self ~= Fl_Group then fail("call it as Fl_Group:current()") end
    if select("#", ...) == 0 then return current end
    local g = ...
    if g ~= nil and not (is_widget(g) and (GROUPS[state[g].class] or MENU_BARS[state[g].class])) then
      fail("Fl_Group:current: expected a group or nil, got %s", is_widget(g) and state[g].class or type(g))
    end
    current = g
  end

  local Fl_Shared_Image = {}
  -- Without fl_register_images() the toolkit cannot read PNG or JPEG files
  -- and returns nothing; the stand-in gives nothing too.
  function Fl_Shared_Image.get(path)
    if type(path) ~= "string" then
      fail("Fl_Shared_Image.get: expected a file name, got %s", type(path))
    end
    if not registered then return nil end
    local img = setmetatable({}, { __tostring = function() return "image " .. path end })
    images[img] = path
    return img
  end

  local Fl = {}
  function Fl.run()
    binding.runs = binding.runs + 1
    io.write(binding.tree())
    return 0
  end

  binding.globals = { fltk = fltk, Fl = Fl, Fl_Group = Fl_Group,
    Fl_Shared_Image = Fl_Shared_Image }

  local function widget_line(w, depth)
    local s = state[w]
    local parts = { string.rep("  ", depth) .. s.class, s.name or "-", quote(s.label),
      "(" .. table.concat(s.rect, ",") .. ")" }
    for _, p in ipairs(PROPERTIES) do
      local key, show = p[1], p[2] or tostring
      local v = s.props[key]
      if key == "resizable" then
        if s.set.resizable then
          parts[#parts + 1] = "resizable=" .. (s.resizable and ref(s.resizable) or "nil")
        end
      elseif key == "callback" then
        if s.set.callback then parts[#parts + 1] = "callback=" .. show(v) end
      elseif v ~= nil then
        parts[#parts + 1] = key .. "=" .. show(v)
      end
    end
    if s.shown and WINDOWS[s.class] then parts[#parts + 1] = "shown" end
    if s.hidden then parts[#parts + 1] = "hidden" end
    if depth == 0 and not WINDOWS[s.class] then parts[#parts + 1] = "[not in a window]" end
    return table.concat(parts, " ")
  end

  local function menu_line(entry, depth)
    local parts = { string.rep("  ", depth) .. "menu", quote(entry.path) }
    if entry.shortcut ~= 0 then parts[#parts + 1] = "shortcut=" .. show_shortcut(entry.shortcut) end
    if entry.flags ~= 0 then parts[#parts + 1] = "flags=" .. show_flags(entry.flags) end
    if entry.callback ~= nil then parts[#parts + 1] = "callback=" .. show_function(entry.callback) end
    if entry.userdata ~= nil then parts[#parts + 1] = "userdata=" .. show_value(entry.userdata) end
    for _, look in ipairs(entry.look or {}) do parts[#parts + 1] = look end
    return table.concat(parts, " ")
  end

  -- The widget tree: every top-level widget in the order it was made, each
  -- with its children and menu entries indented below it.
  function binding.tree()
    local lines = { "Fl:run() widget tree:" }
    local function walk(w, depth)
      lines[#lines + 1] = widget_line(w, depth)
      for _, c in ipairs(state[w].children) do walk(c, depth + 1) end
      for _, e in ipairs(state[w].menu) do lines[#lines + 1] = menu_line(e, depth + 1) end
    end
    for _, w in ipairs(widgets) do
      if state[w].parent == nil then walk(w, 0) end
    end
    if #widgets == 0 then lines[#lines + 1] = "(no widgets)" end
    return table.concat(lines, "\n") .. "\n"
  end

  return binding
end

-- The globals of a script run under BINDING: the binding's, then Lua's own.
-- Every assignment to a global passes through here, so that a widget is
-- named by the variable that first held it.
function M.environment(binding)
  local globals = setmetatable({}, { __index = function(_, key)
    local v = binding.globals[key]
    if v == nil then v = _G[key] end
    return v
  end })
  return setmetatable({}, {
    __index = globals,
    __newindex = function(_, key, value)
      binding.saw_global(key, value)
      rawset(globals, key, value)
    end,
  })
end

-- The text of an error raised while a script ran. An error of the stand-in
-- gets the line of the script that made the failing call; the caller passes
-- the script's chunk name. Call it from the message handler of xpcall.
function M.message(err, chunkname)
  if getmetatable(err) ~= StandinError then return tostring(err) end
  for level = 2, 100 do
    local info = debug.getinfo(level, "Sl")
    if not info then break end
    if info.source == "=" .. chunkname and info.currentline > 0 then
      return string.format("%s:%d: %s", chunkname, info.currentline, err.text)
    end
  end
  return err.text
end

return M
