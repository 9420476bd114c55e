-- A program that requires the binding as a module and builds its window by
-- hand, part of it in a module of its own: the widget blocks place the
-- widgets in both chunks, a timeout presses the button that quits, and a
-- callback's error comes out of Fl:run(). Writes a screenshot to arg[1].
local fltk = require "fltk"
assert(fltk == _G.fltk and fltk == require "fltk", "require gives the one fltk table")
package.path = (arg[0]:match("^(.*/)") or "./") .. "?.lua;" .. package.path
local build_panel = require "by_hand_panel"

do win= fltk:Fl_Double_Window(0,0,230,80,"by hand")
  local inner, quit, after = build_panel()
  assert(inner:parent() == win and quit:parent() == inner and after:parent() == win,
    "the module's blocks place its widgets")
end
do lone= fltk:Fl_Box(0,0,10,10,"")
end
assert(lone:parent() == nil, "a widget after the window's block is outside it")
win:add(lone) -- else Fl:run() would show it in a window of its own

quit:callback(function() win:hide() end)
win:show()
Fl:add_timeout(0.05, function() quit:do_callback() end)
assert(Fl:run() == 0 and not win:shown(), "Fl:run() returns once the window is hidden")

quit:callback(function() error("pressed in error") end)
win:show()
Fl:add_timeout(0.05, function() quit:do_callback() end)
local ok, message = pcall(Fl.run, Fl)
assert(not ok and message:find("by_hand.lua:%d+: pressed in error"), tostring(message))

fltk.screenshot(win, arg[1])
print("done")
