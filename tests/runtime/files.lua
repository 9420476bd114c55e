-- Preferences kept in a file, and the file choosers answered by a timer.
local check = dofile(arg[1] .. "/check.lua")
local work = arg[2]

-- Values of each type come back as they went in, from the file too.
local prefs = fltk:Fl_Preferences(work, "fluac", "files_test")
prefs:clear()
local values = { count = 3, ratio = 2.5, name = "a \"quoted\"\nline" }
for k, v in pairs(values) do check.equal(prefs:set(k, v), true, "set " .. k) end
local window = fltk:Fl_Preferences(prefs, "window/main")
window:set("x", 40)
check.equal(window:path(), "./window/main", "a group's path")
check.equal(prefs:groups(), 1, "groups")
check.equal(prefs:group(0), "window", "group(0)")
check.equal(prefs:group(1), nil, "a group index past the end")
check.equal(prefs:entry(99), nil, "an entry index past the end")
prefs:flush()
local again = fltk:Fl_Preferences(work, "fluac", "files_test")
local defaults = { count = 0, ratio = 0.0, name = "" }
for k, v in pairs(values) do
  local found, value = again:get(k, defaults[k])
  check.equal(found, true, "found " .. k)
  check.equal(value, v, "read back " .. k)
end
check.equal(select(2, again:get("missing", "default")), "default", "a missing entry's default")
check.equal(select(2, fltk:Fl_Preferences(again, "window/main"):get("x", 0)), 40, "a group's entry")

-- A group object outlives the deletion of its group without reaching freed
-- memory: it makes the group anew, as the C++ constructor would.
prefs:deleteGroup("window")
check.equal(select(2, window:get("x", 7)), 7, "a deleted group's entries are gone")
window:set("y", 1)
check.equal(prefs:groupExists("window/main"), true, "the group made anew")

-- The native chooser, with FLTK's own dialog, answered by typing a name and
-- pressing OK.
local picked = work .. "/picked.txt"
assert(io.open(picked, "w")):close()
Fl:option(Fl.OPTION_FNFC_USES_GTK, false)
local find, answer = check.find, check.answer
local native = fltk:Fl_Native_File_Chooser(Fl_Native_File_Chooser.BROWSE_FILE)
native:directory(work)
native:title("Pick")
answer(function(d)
  local input = find(d, check.value_where(function(v) return type(v) == "string" end))
  input:value(picked)
  find(d, check.labelled("OK")):do_callback()
end)
check.equal(native:show(), 0, "the native chooser: chosen")
check.equal(native:count(), 1, "one file chosen")
check.equal(native:filename(), picked, "the file chosen")
check.equal(native:filename(1), nil, "no second file")
answer(function(d) find(d, check.labelled("Cancel")):do_callback() end)
check.equal(native:show(), 1, "the native chooser: cancelled")

-- Fl_File_Chooser calls its Lua callback with itself and its value.
local chooser = fltk:Fl_File_Chooser(work, "*.txt", Fl_File_Chooser.SINGLE, "Choose")
local got
chooser:callback(function(c, data) got = { c, data, c:value() } end, "data")
chooser:value(picked)
chooser:show()
local ok_button = find(Fl:first_window(), check.labelled("OK"))
ok_button:do_callback()
check.equal(got and got[1], chooser, "the callback gets the chooser")
check.equal(got[2] .. " " .. got[3], "data " .. picked, "and its value")
check.equal(chooser:shown(), false, "OK hides the chooser")
check.fails_with("out of range", chooser.type, chooser, 8)
check.fails_with("out of range", chooser.filter_value, chooser, 1)
