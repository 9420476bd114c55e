-- Widgets whose draw and handle are Lua functions: what they draw, the
-- events they get, the class's own drawing and handling inside them, errors,
-- and a widget deleted while its own handle runs.
local check = dofile(arg[1] .. "/check.lua")

local W, H = 40, 30
local surface = fltk:Fl_Image_Surface(W, H)
local display = Fl_Display_Device.display_device()
local function pixels_of(w) return check.paint(surface, W, H, function() w:draw() end) end
local red, blue, green = "255,0,0", "0,0,255", "0,255,0"

-- A group drawn by Lua: its class's box, a red square, then its children,
-- one of which draws itself in Lua with no call to its class's drawing.
local group = fltk:Fl_Group(0, 0, W, H)
group:box(fltk.FL_FLAT_BOX)
group:color(fltk.FL_BLUE)
local child = fltk:Fl_Box(30, 20, 10, 10)
Fl_Group:current(nil)
group.draw = function(self)
  self:draw_box()
  fltk.fl_rectf(0, 0, 4, 4, fltk.FL_RED)
  self:draw_children()
end
child.draw = function(self) fltk.fl_rectf(self:x(), self:y(), 2, 2, fltk.FL_GREEN) end
local at = pixels_of(group)
for _, c in ipairs({ { 1, 1, red }, { 10, 10, blue }, { 30, 20, green }, { 35, 25, blue } }) do
  check.equal(at(c[1], c[2]), c[3], ("pixel %d,%d"):format(c[1], c[2]))
end
-- Inside its own draw, draw() is the class's: the group draws its box and
-- its child, without recursion.
group.draw = function(self) self:draw() end
check.equal(pixels_of(group)(30, 20), green, "the class's draw from the hook")
group.draw = nil
check.equal(pixels_of(group)(1, 1), blue, "nil gives back the class's draw")

-- Every widget class draws with its class's own drawing, unshown, on an
-- image surface.
local not_widgets = { Fl_Text_Buffer = true, Fl_Preferences = true, Fl_File_Chooser = true,
                      Fl_Native_File_Chooser = true, Fl_Image_Surface = true }
local drawn = 0
for name, make in pairs(fltk) do
  if type(make) == "function" and name:match("^Fl_") and not not_widgets[name] then
    local w = make(fltk, 0, 0, W, H, "label")
    Fl_Group:current(nil)
    pixels_of(w)
    Fl:delete_widget(w)
    drawn = drawn + 1
  end
end
assert(drawn > 80, "widget classes drawn: " .. drawn)

-- Events: the hook gets each one, its result is the widget's answer, and
-- handle() inside it is the class's handling (a button takes a push).
local win = fltk:Fl_Double_Window(0, 0, 100, 60)
local button = fltk:Fl_Button(10, 10, 40, 30)
Fl_Group:current(nil)
local events, pressed = {}, 0
button:callback(function() pressed = pressed + 1 end)
button.handle = function(self, event)
  events[#events + 1] = event
  if event == fltk.FL_PUSH or event == fltk.FL_RELEASE then return self:handle(event) end
  return false
end
win:show()
Fl:check()
Fl:event_x(20) Fl:event_y(20)
check.equal(Fl:handle(fltk.FL_PUSH, win), 1, "a push the class takes")
Fl:handle(fltk.FL_RELEASE, win)
check.equal(pressed, 1, "the class's handling clicked the button")
-- The class's handling of the push asks the widget, hook included, to take
-- the focus.
check.equal(table.concat(events, " ", #events - 2), "1 6 2", "push, focus, release")
check.equal(button:handle(fltk.FL_KEYBOARD), false, "the hook's false")

-- Errors come out of the call that let FLTK run, as callbacks' do.
button.handle = function() error("handle failed") end
check.fails_with("custom_widgets.lua:", function() Fl:handle(fltk.FL_PUSH, win) end)
group.draw = function() error("draw failed") end
check.fails_with("draw failed", pixels_of, group)
display:set_current()

-- A widget deleted while its own handle runs (and deleting it again as it
-- hides) goes once the hook has returned to FLTK, not inside it.
local alive_in_hook
button.handle = function(self)
  Fl:delete_widget(self) Fl:check()
  alive_in_hook = pcall(self.x, self)
  return 1
end
Fl:handle(fltk.FL_PUSH, win)
Fl:check()
assert(alive_in_hook, "deleted inside its hook")
check.equal(win:children(), 0, "the button is gone")

-- FLTK walks the children while it passes an event: a hook cannot change them.
local other = fltk:Fl_Box(60, 10, 20, 20)
win:add(other)
button = fltk:Fl_Button(10, 10, 40, 30)
win:add(button)
button.handle = function() win:remove(other) return 0 end
check.fails_with("cannot change while a draw or handle", function() Fl:handle(fltk.FL_PUSH, win) end)
check.equal(win:children(), 2, "children kept")

-- What cannot be set.
local box = fltk:Fl_Box(0, 0, 1, 1)
Fl_Group:current(nil)
check.fails_with("only draw and handle", function() box.label = print end)
check.fails_with("must be a function or nil", function() box.draw = 1 end)
check.fails_with("cannot be replaced", function() fltk:Fl_Wizard(0, 0, 1, 1).draw = print end)
check.fails_with("takes 0, 2 or 6 arguments, not 1", box.draw_box, box, fltk.FL_FLAT_BOX)
