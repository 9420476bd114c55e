-- Fl's loop hooks: timers, idle and check functions, awake callbacks and
-- global handlers. Errors in any of them come out of the call that let FLTK
-- run.
local check = dofile(arg[1] .. "/check.lua")

local win = fltk:Fl_Double_Window(0, 0, 120, 80, "loop")
Fl_Group:current(nil)
win:show()

-- Runs the loop until done() or a second has passed.
local function run_until(done)
  for _ = 1, 100 do
    if done() then return end
    Fl:wait(0.01)
  end
  error("the loop did not get there", 2)
end

-- Timeouts: called once with their value; repeat_timeout ticks on.
local calls = {}
local function note(data) calls[#calls + 1] = tostring(data) end
Fl:add_timeout(0.01, note, "a")
Fl:add_timeout(0.01, note, "b")
Fl:add_timeout(0.01, note)
check.equal(Fl:has_timeout(note, "a"), true, "has_timeout with the value")
check.equal(Fl:has_timeout(note, "c"), false, "has_timeout with another value")
Fl:remove_timeout(note, "b")
run_until(function() return #calls == 2 end)
table.sort(calls)
check.equal(table.concat(calls, ","), "a,nil", "timeouts that ran")
check.equal(Fl:has_timeout(note, "a"), false, "a timeout that ran is gone")
Fl:add_timeout(5, note, 1)
Fl:add_timeout(5, note, 2)
Fl:remove_timeout(note) -- every value, as in C++
check.equal(Fl:has_timeout(note, 1) or Fl:has_timeout(note, 2), false, "remove_timeout(fn)")

local ticks = 0
local function tick()
  ticks = ticks + 1
  if ticks < 3 then Fl:repeat_timeout(0.01, tick) end
end
Fl:add_timeout(0, tick)
run_until(function() return ticks == 3 end)

-- Idle and check functions run until removed; awake callbacks once.
local idles, checks, awakes = 0, 0, 0
local function idle(step) idles = idles + step end
local function on_check() checks = checks + 1 end
Fl:add_idle(idle, 1)
Fl:add_check(on_check)
check.equal(Fl:has_idle(idle, 1) and Fl:has_check(on_check), true, "has_idle, has_check")
check.fails_with("needs Fl:lock() first", Fl.awake, Fl, idle)
check.equal(Fl:lock(), 0, "lock")
Fl:awake(function(n) awakes = awakes + n end, 5)
run_until(function() return idles >= 3 and checks >= 1 and awakes == 5 end)
Fl:remove_idle(idle, 1)
Fl:remove_check(on_check)
check.equal(Fl:has_idle(idle, 1) or Fl:has_check(on_check), false, "removed")
local seen = idles
Fl:wait(0.02)
check.equal(idles, seen, "a removed idle function is not called")

-- A global handler gets the events no widget takes.
local unhandled
Fl:add_handler(function(event) unhandled = event return true end)
Fl:handle(fltk.FL_SHORTCUT, win)
check.equal(unhandled, fltk.FL_SHORTCUT, "add_handler")

-- A window that grabbed the events and is deleted lets them go: FLTK would
-- send the next one to freed memory.
local grabber = fltk:Fl_Window(0, 0, 20, 20)
Fl_Group:current(nil)
grabber:show()
Fl:grab(grabber)
Fl:delete_widget(grabber)
Fl:check()
check.equal(Fl:grab(), nil, "the grab ends with its window")
Fl:handle(fltk.FL_PUSH, win)

-- Errors in each kind of hook come out of the loop, with their own line.
local failing = {
  function(f) Fl:add_timeout(0, f) end,
  function(f) Fl:add_idle(f) end,
  function(f) Fl:add_check(f) end,
  function(f) Fl:awake(f) end,
}
for i, add in ipairs(failing) do
  local f = function() error("hook " .. i) end
  add(f)
  local message = check.error_of(function() for _ = 1, 20 do Fl:wait(0.01) end end)
  assert(message:find("loop.lua:%d+: hook " .. i), message)
  Fl:remove_idle(f)
  Fl:remove_check(f)
end

-- Arguments are checked before FLTK sees them.
Fl:unlock()
check.fails_with("Fl:unlock() without Fl:lock()", Fl.unlock, Fl)
check.fails_with("out of range", Fl.add_fd, Fl, 1 << 20, function() end)
check.fails_with("a finite number", Fl.add_timeout, Fl, 0 / 0, note)
check.fails_with("function expected", Fl.add_timeout, Fl, 1, "note")
check.fails_with("no more than 3 arguments", Fl.add_idle, Fl, note, 1, 2)
check.fails_with("out of range", Fl.option, Fl, 99)
check.fails_with("out of range", Fl.set_color, Fl, 256, 0)
check.fails_with("out of range", Fl.get_font, Fl, 16)
check.fails_with("the window is not shown", Fl.grab, Fl, fltk:Fl_Window(0, 0, 1, 1))
check.fails_with("box type not defined", Fl.set_boxtype, Fl, 200, 201)
check.fails_with("only text can be copied", Fl.copy, Fl, "x", 0, Fl.clipboard_image)
