-- Writes a random FLUID file in the translated subset, from a seed:
--   lua5.4 gen_subset.lua SEED
-- Every construct the default grammar reads may come up: code items,
-- widgets of keyword and word classes, groups, menu bars with submenus and
-- items, and every attribute, in braced and one-word forms. No word that is
-- a keyword of the extended mode is used.
local seed = assert(tonumber(arg[1]), "usage: gen_subset.lua SEED")
math.randomseed(seed)
local R = math.random
local out = {}
local function w(...) for _, s in ipairs { ... } do out[#out + 1] = s end end
local function pick(list) return list[R(#list)] end

local NAMES = { "ok", "panel", "x1", "Item_7", "slider", "box2", "main_window" }
local WORDS = { "Hello", "Save", "Quit", "x", "a_b", "Z9" }
local TEXTS = { "Hello world", "a {nested} value", "x = 1; y = 2", "50% done",
  "tab\there", "\\#hash", "back\\\\slash", "two\nlines", "q;r.s" }
local CLASSES = { "Fl_Button", "Fl_Input", "Fl_Value_Input", "Fl_Browser", "Fl_Check_Button",
  "Fl_Text_Display", "Fl_Output", "Fl_Box", "Fl_Slider", "Fl_Double_Window", "Fl_Window" }
local TYPES = { "Normal", "Toggle", "Radio", "Horizontal", "Multi", "Double", "Secret" }
local PAIRS = { { "Vert", "Fill" }, { "Horz", "Knob" }, { "Vert", "Nothing" } }
local BOXES = { "UP_BOX", "DOWN_BOX", "FLAT_BOX", "THIN_UP_BOX", "OXY_UP_BOX" }
local UNKNOWN = { "hotkey", "snapshot", "private_flag", "tag", "private", "C" }

local function name() return R(4) == 1 and "{}" or pick(NAMES) .. R(9) end
-- A text value: braced, or one word followed by a space.
local function text() return R(3) == 1 and pick(WORDS) .. " " or "{" .. pick(TEXTS) .. "} " end
local function num() return tostring(R(0, 400)) end
local function real() return R(2) == 1 and num() or ("%d.%d"):format(R(0, 9), R(0, 99)) end

local function attribute()
  local k = R(24)
  if k == 1 then return "label " .. text()
  elseif k == 2 then return "tooltip " .. text()
  elseif k == 3 then return "callback " .. (R(2) == 1 and "on_press " or "{function(w) print(w) end} ")
  elseif k == 4 then return ("xywh {%s %s %s %s} "):format(num(), num(), num(), num())
  elseif k == 5 then return "type " .. pick(TYPES) .. " "
  elseif k == 6 then local p = pick(PAIRS); return ("type {%s %s} "):format(p[1], p[2])
  elseif k == 7 then return "box " .. pick(BOXES) .. " "
  elseif k == 8 then return "down_box " .. pick(BOXES) .. " "
  elseif k == 9 then return "labeltype NORMAL_LABEL "
  elseif k == 10 then return pick { "labelsize ", "textsize ", "align ", "when ", "textfont ", "labelfont " } .. num() .. " "
  elseif k == 11 then return pick { "color ", "labelcolor ", "selection_color ", "textcolor " } .. num() .. " "
  elseif k == 12 then return pick { "minimum ", "maximum ", "step ", "value " } .. real() .. " "
  elseif k == 13 then return "visible "
  elseif k == 14 then return "resizable "
  elseif k == 15 then return ("size_range {%s %s %s %s} "):format(num(), num(), num(), num())
  elseif k == 16 then return "open "
  elseif k == 17 then return "selected "
  elseif k == 18 then return "image {icon" .. R(9) .. ".png} "
  elseif k == 19 then return "code" .. R(0, 3) .. " {print(" .. R(99) .. ")} "
  elseif k == 20 then return pick(UNKNOWN) .. " "
  else return "" end
end

local function attributes(n)
  local parts = {}
  for _ = 1, R(0, n) do parts[#parts + 1] = attribute() end
  return "{" .. table.concat(parts) .. "\n}"
end

local function menu_entries(depth)
  local parts = {}
  for _ = 1, R(0, 4) do
    if depth < 3 and R(3) == 1 then
      local attrs = { R(2) == 1 and "label " .. text() or "", R(3) == 1 and "xywh {0 0 10 10} " or "",
        R(4) == 1 and "labelsize 11 " or "" }
      parts[#parts + 1] = "Submenu " .. name() .. " {" .. table.concat(attrs) .. "\n} " .. menu_entries(depth + 1)
    else
      local attrs = {}
      for _ = 1, R(0, 4) do
        local k = R(7)
        attrs[#attrs + 1] = k == 1 and "label " .. text() or k == 2 and "callback {function() end} "
          or k == 3 and "user_data {" .. pick(WORDS) .. "} " or k == 4 and ("shortcut 0x%x "):format(R(0, 0x4ffff))
          or k == 5 and "type " .. pick { "Toggle", "Radio", "Normal" } .. " " or k == 6 and "xywh {0 0 9 9} "
          or "labelsize 12 "
      end
      parts[#parts + 1] = "MenuItem " .. name() .. " {" .. table.concat(attrs) .. "\n}"
    end
  end
  if #parts == 0 and R(2) == 1 then return "" end
  return "{\n" .. table.concat(parts, "\n") .. "\n}"
end

local function items(depth)
  local list = {}
  for _ = 1, R(1, 4) do
    local k = depth > 3 and 1 or R(6)
    if k == 1 or k == 2 then
      local children = (depth < 4 and R(3) == 1) and "{\n" .. items(depth + 1) .. "\n}" or (R(2) == 1 and "{}" or "")
      list[#list + 1] = pick(CLASSES) .. " " .. name() .. " " .. attributes(6) .. " " .. children
    elseif k == 3 then
      list[#list + 1] = "Fl_Group " .. name() .. " " .. attributes(4) .. " {\n" .. items(depth + 1) .. "\n}"
    elseif k == 4 then
      list[#list + 1] = "Fl_Menu_Bar " .. name() .. " " .. attributes(3) .. " " .. menu_entries(0)
    elseif k == 5 then
      list[#list + 1] = "code {print(\"step " .. R(99) .. "\")} " .. attributes(1)
    else
      list[#list + 1] = "Fl_Window " .. name() .. " " .. attributes(4) .. " {\n" .. items(depth + 1) .. "\n}"
    end
  end
  return table.concat(list, "\n")
end

w("# data file for the Fltk User Interface Designer (fluid)\n", "version 1.0308\n",
  "header_name {.h}\n", "code_name {.cxx}\n")
w("Function {make_ui", tostring(seed), "()} ", attributes(2), " {\n", items(0), "\n}\n")
io.write(table.concat(out))
