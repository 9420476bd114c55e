-- Requires the module and builds a window by hand, partly in by_hand_panel:
-- the blocks of both chunks place the widgets. A timer presses the button
-- that quits; a callback's error comes out of Fl:run(). Screenshot: arg[1].
local fltk = require "fltk"
assert(fltk == _G.fltk and fltk == require "fltk")
package.path = arg[0]:gsub("[^/]*$", "?.lua;") .. package.path
do win= fltk:Fl_Double_Window(0,0,230,80,"by hand")
  local inner, quit, after = require "by_hand_panel" ()
  assert(inner:parent() == win and quit:parent() == inner and after:parent() == win)
end
do lone= fltk:Fl_Box(0,0,10,10,"")
end
assert(lone:parent() == nil)
win:add(lone) -- else Fl:run() shows it in a window of its own

for _, case in ipairs { { function() win:hide() end, true }, { function() error("pressed") end, false } } do
  quit:callback(case[1])
  win:show()
  Fl:add_timeout(0.05, function() quit:do_callback() end)
  local ok, message = pcall(Fl.run, Fl)
  assert(ok == case[2] and (ok or message:find("by_hand.lua:%d+: pressed$")), message)
end
fltk.screenshot(win, arg[1])
print("done")
