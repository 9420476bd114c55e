-- needs.lua APP: exits 1, naming them, when the binding lacks a widget
-- method that the example application calls; run by fluac-lua.
local needs = {
  text_editor = {
    Fl_Text_Editor = {"buffer", "insert_position", "show_insert_position"},
  },
  contacts = {
    Fl_Browser = {"clear", "add", "value", "column_widths"},
    Fl_Input = {"value", "activate", "deactivate"},
  },
  kitchen_timer = {
    Fl_Progress = {"value", "minimum", "maximum"},
    Fl_Value_Input = {"value"},
    Fl_Box = {"redraw", "color", "=draw", "=handle"},
  },
}
needs.editor_files = needs.text_editor
local missing = {}
local app = assert(needs[arg[1]], "unknown application")
for class, methods in pairs(app) do
  local w = fltk[class](fltk, 0, 0, 10, 10)
  Fl_Group:current(nil)
  for _, m in ipairs(methods) do
    local ok, found
    if m:sub(1, 1) == "=" then
      -- A Lua function in place of the C++ virtual method.
      ok = pcall(function() w[m:sub(2)] = function() return 0 end end)
      found = ok
    else
      ok, found = pcall(function() return w[m] end)
      found = ok and type(found) == "function"
    end
    if not found then missing[#missing + 1] = class .. ":" .. m:gsub("^=", "") end
  end
end
if #missing > 0 then
  table.sort(missing)
  print(table.concat(missing, " "))
  os.exit(1)
end
