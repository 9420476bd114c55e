-- Writes the man page fluac-lua-api(3) from what `fluac-lua --reference`
-- prints, and the list of what the binding leaves out; run by fluac-lua
-- when it is built.
-- usage: fluac-lua fluac-lua-api.lua FLUAC_LUA OMITTED_LIST VERSION OUT.3
local fluac_lua, omitted_list, version, out_name = table.unpack(arg, 1, 4)
assert(out_name, "usage: fluac-lua fluac-lua-api.lua FLUAC_LUA OMITTED_LIST VERSION OUT.3")

local function quote(s) return "'" .. s:gsub("'", "'\\''") .. "'" end
local function roff(s) return (s:gsub("\\", "\\e"):gsub("%-", "\\-"):gsub("^([.'])", "\\&%1")) end

local reference = assert(io.popen(quote(fluac_lua) .. " --reference"))
local entries, entry = {}, nil
for line in reference:lines() do
  local kind, name, parent = line:match("^(%a+) ([%w_.]+):? ?([%w_]*)$")
  if kind then
    entry = { kind = kind, name = name, parent = parent, lists = {} }
    entries[#entries + 1] = entry
  else
    local label, names = line:match("^  (%a+): (.*)$")
    assert(label and entry, "unexpected reference line: " .. line)
    entry.lists[#entry.lists + 1] = { label = label, names = names }
  end
end
assert(reference:close(), "fluac-lua --reference failed")

local out = {}
local function put(s) out[#out + 1] = s end
put(('.TH FLUAC\\-LUA\\-API 3 "" "fluac %s" "fluac"'):format(roff(version)))
put(".nh")
put(".ad l")
put(".SH NAME")
put("fluac\\-lua\\-api \\- the FLTK classes, methods, functions and constants of fluac\\-lua")
put(".SH DESCRIPTION")
put("Every class, method, function and constant that")
put(".BR fluac\\-lua (1)")
put("gives Lua scripts, as")
put(".B fluac\\-lua \\-\\-reference")
put("prints them from the binding's own tables.")
put("They are named as in FLTK 1.3's C++ API, whose documentation describes them;")
put(".BR fluac\\-lua (1)")
put("tells how calls carry over to Lua (methods with a colon, the functions of")
put(".B fltk")
put("with a dot, extra results for reference parameters, booleans, custom widgets).")
put("A class lists the methods it declares itself, and has those of the classes")
put("it derives from as well.")
local titles = { widget = "WIDGET CLASSES", class = "OTHER CLASSES", table = "GLOBAL TABLES" }
local labels = {
  methods = "Methods", constructors = "Constructors (\\fBfltk:\\fR\\fINAME\\fR(...))",
  functions = "Functions", constants = "Constants",
}
local section
for _, e in ipairs(entries) do
  if e.kind ~= section then
    section = e.kind
    put(".SH " .. assert(titles[section], "unknown kind " .. section))
  end
  put(".SS " .. roff(e.name))
  if e.parent ~= "" then put("Derives from \\fB" .. roff(e.parent) .. "\\fR.") end
  if #e.lists == 0 then put("No methods of its own.") end
  for _, list in ipairs(e.lists) do
    put(".TP")
    put(labels[list.label] or list.label)
    local names = {}
    for n in list.names:gmatch("%S+") do names[#names + 1] = "\\fB" .. roff(n) .. "\\fR" end
    put(table.concat(names, ", "))
  end
end

put(".SH LEFT OUT")
put("What FLTK 1.3 declares for these classes but cannot mean anything from Lua, with the reason:")
for line in assert(io.open(omitted_list)):lines() do
  local class, name, reason = line:match("^(%S+) (%S+) (.+)$")
  if class and not line:match("^#") then
    put(".TP")
    put("\\fB" .. roff(class) .. " " .. roff(name) .. "\\fR")
    put(roff(reason))
  end
end
put(".SH SEE ALSO")
put(".BR fluac\\-lua (1),")
put(".BR fluac (1)")

local f = assert(io.open(out_name, "w"))
f:write(table.concat(out, "\n"), "\n")
assert(f:close())
