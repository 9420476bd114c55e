-- Prints "CLASS NAME" for each function of the FLTK API the binding has:
-- the methods each widget class answers (its own and inherited ones), read
-- from the classes' metatables, Fl's, fltk's fl_* ones, and the methods and
-- static functions of the classes that are not widgets. Run by
-- api_coverage.sh.
-- arg[1]: an image file; arg[2]: a directory to make preferences in.
local lines = {}
local function names(class, t)
  for k, v in pairs(t) do
    if type(v) == "function" then lines[#lines + 1] = class .. " " .. k end
  end
end
local function methods(class, object)
  names(class, getmetatable(object).__index)
end

-- A widget class's metatable is marked by a light userdata key; its __index
-- holds the method table, which falls back on the parent's.
local function is_widget_class(mt)
  for k in pairs(mt) do
    if type(k) == "userdata" then return true end
  end
  return false
end
for class, mt in pairs(debug.getregistry()) do
  if type(class) == "string" and type(mt) == "table" and is_widget_class(mt) then
    local t = select(2, debug.getupvalue(mt.__index, 1))
    while t do
      names(class, t)
      t = getmetatable(t) and getmetatable(t).__index
    end
  end
end

names("Fl", Fl)
local fl_functions = {}
for k, v in pairs(fltk) do
  if k:match("^fl_") then fl_functions[k] = v end
end
names("fltk", fl_functions)
methods("Fl_Text_Buffer", fltk:Fl_Text_Buffer())
methods("Fl_Preferences", fltk:Fl_Preferences(arg[2], "fluac", "api_names"))
names("Fl_Preferences", Fl_Preferences)
methods("Fl_File_Chooser", fltk:Fl_File_Chooser(".", "*", 0, "names"))
methods("Fl_Native_File_Chooser", fltk:Fl_Native_File_Chooser())
fltk.fl_register_images()
methods("Fl_Shared_Image", assert(Fl_Shared_Image.get(arg[1])))
names("Fl_Shared_Image", Fl_Shared_Image)
local menu = fltk:Fl_Menu_Bar(0, 0, 10, 10)
menu:add("entry")
methods("Fl_Menu_Item", menu:menu()[0])
table.sort(lines)
local last
for _, line in ipairs(lines) do
  if line ~= last then print(line) end
  last = line
end
