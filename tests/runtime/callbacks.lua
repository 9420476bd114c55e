-- Lua functions as callbacks: called with the widget, from do_callback and
-- from real event dispatch; their errors come back as Lua errors.
local check = dofile(arg[1] .. "/check.lua")

local win = fltk:Fl_Double_Window(0, 0, 200, 100, "")
local button = fltk:Fl_Button(10, 10, 80, 30, "Press")
Fl_Group:current(nil)
local calls = {}
local function note(w) calls[#calls + 1] = w end
button:callback(note)
check.equal(button:callback(), note, "callback getter")

button:do_callback()
check.equal(calls[1], button, "do_callback passes the widget")

-- A click: press and release inside the button.
win:show()
Fl:check()
Fl:event_x(20)
Fl:event_y(20)
Fl:handle(fltk.FL_PUSH, win)
Fl:handle(fltk.FL_RELEASE, win)
check.equal(#calls, 2, "a click calls back once")

-- An error in a callback reaches the caller, with the callback's own line.
button:callback(function() error("boom") end)
local message = check.error_of(function() button:do_callback() end)
assert(message:find("callbacks.lua:%d+: boom"), message)
-- It is not raised a second time.
button:callback(note)
button:do_callback()
check.equal(#calls, 3, "callbacks run again after an error")

-- An error in a callback run from inside another callback comes out of the
-- outer call.
local inner = fltk:Fl_Button(0, 0, 1, 1)
win:add(inner)
inner:callback(function() error("inner failure") end)
local outer = fltk:Fl_Button(0, 0, 1, 1)
win:add(outer)
outer:callback(function() inner:do_callback() end)
check.fails_with("inner failure", function() outer:do_callback() end)

button:callback(nil)
check.equal(button:callback(), nil, "callback cleared")
button:do_callback() -- FLTK's default callback: nothing happens
check.equal(#calls, 3, "no Lua call after clearing")

-- Handles die, widgets stay: collecting a handle leaves the widget alone.
do
  local scratch = fltk:Fl_Box(0, 60, 10, 10, "kept")
  win:add(scratch)
end
collectgarbage()
collectgarbage()
check.equal(win:child(win:children() - 1):label(), "kept", "widget outlives its handle")

-- Deleted widgets leave handles that refuse to work instead of crashing.
local gone = fltk:Fl_Box(0, 0, 5, 5, "gone")
win:add(gone)
Fl:delete_widget(win)
Fl:check()
check.fails_with("deleted", function() return gone:label() end)
check.fails_with("deleted", function() return button:do_callback() end)
check.equal(tostring(gone), "deleted widget", "tostring of a deleted widget")
