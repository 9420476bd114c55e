-- The fl_draw functions on an image surface, checked by the pixels they
-- leave; and refused where FLTK has nothing to draw on.
local check = dofile(arg[1] .. "/check.lua")

-- Nothing has been drawn yet, so there is no graphics context.
check.fails_with("nothing to draw on", fltk.fl_rectf, 0, 0, 1, 1)
check.fails_with("nothing to draw on", fltk.fl_color, fltk.FL_RED)
-- Measures and matrix arithmetic need none.
assert(fltk.fl_width("wide") > fltk.fl_width("w"), "fl_width")
fltk.fl_push_matrix()
fltk.fl_translate(10, 20)
fltk.fl_scale(2)
check.equal(fltk.fl_transform_x(1, 1), 12.0, "fl_transform_x")
check.equal(fltk.fl_transform_y(1, 1), 22.0, "fl_transform_y")
fltk.fl_pop_matrix()

local W, H = 16, 12
local surface = fltk:Fl_Image_Surface(W, H)
local display = Fl_Display_Device.display_device()

local function paint(draw) return check.paint(surface, W, H, draw) end

local white, red, blue, black = "255,255,255", "255,0,0", "0,0,255", "0,0,0"
local cases = {
  { "fl_rectf with a colour", function() fltk.fl_rectf(2, 2, 4, 4, fltk.FL_RED) end,
    { { 2, 2, red }, { 5, 5, red }, { 6, 6, white } } },
  { "fl_color then fl_line", function()
      fltk.fl_color(0, 0, 255)
      fltk.fl_line(0, 8, 15, 8)
    end, { { 0, 8, blue }, { 15, 8, blue }, { 0, 7, white } } },
  { "fl_rect outline", function() fltk.fl_rect(1, 1, 6, 6, fltk.FL_BLACK) end,
    { { 1, 1, black }, { 6, 3, black }, { 3, 3, white } } },
  { "clipping", function()
      fltk.fl_push_clip(0, 0, 4, 4)
      fltk.fl_rectf(0, 0, W, H, fltk.FL_RED)
      fltk.fl_pop_clip()
    end, { { 3, 3, red }, { 4, 4, white } } },
  { "a polygon from vertices", function()
      fltk.fl_color(fltk.FL_BLUE)
      fltk.fl_begin_polygon()
      fltk.fl_vertex(8, 0)
      fltk.fl_vertex(15, 0)
      fltk.fl_vertex(15, 7)
      fltk.fl_vertex(8, 7)
      fltk.fl_end_polygon()
    end, { { 12, 3, blue }, { 4, 3, white } } },
  { "fl_draw_image", function()
      fltk.fl_draw_image(("\255\0\0"):rep(4), 0, 0, 2, 2)
    end, { { 1, 1, red }, { 2, 2, white } } },
}
for _, case in ipairs(cases) do
  local pixel = paint(case[2])
  for _, p in ipairs(case[3]) do
    check.equal(pixel(p[1], p[2]), p[3], ("%s at %d,%d"):format(case[1], p[1], p[2]))
  end
end

-- A widget drawn on the surface.
local box = fltk:Fl_Box(0, 0, W, H)
Fl_Group:current(nil)
box:box(fltk.FL_FLAT_BOX)
box:color(fltk.FL_RED)
local pixel = paint(function() surface:draw(box) end)
check.equal(pixel(8, 6), red, "a box drawn on the surface")

-- Arguments FLTK would read past, or that have no meaning.
surface:set_current()
check.fails_with("too few bytes", fltk.fl_draw_image, "\0\0\0", 0, 0, 2, 2)
check.fails_with("multiple of four", fltk.fl_frame, "AAW", 0, 0, 5, 5)
check.fails_with("letters 'A' to 'X'", fltk.fl_frame, "AAWz", 0, 0, 5, 5)
check.fails_with("out of range", fltk.fl_arc, 0, 0, 1e9, 0, 90)
check.fails_with("one of the FL_CURSOR_*", fltk.fl_cursor, 12345)
check.fails_with("box type not defined", fltk.fl_draw_box, 200, 0, 0, 5, 5, 0)
check.fails_with("4 to 6 coordinates", fltk.fl_line, 0, 0, 1)
check.fails_with("out of range", fltk.fl_draw, "abc", 4, 0, 0)
-- A path ends as it was begun, on the surface it was begun on.
check.fails_with("no path begun with fl_begin_complex_polygon", fltk.fl_gap)
fltk.fl_begin_polygon()
check.fails_with("no path begun with fl_begin_line", fltk.fl_end_line)
display:set_current()
check.fails_with("no path begun with fl_begin_polygon", fltk.fl_end_polygon)
surface:set_current()
fltk.fl_end_polygon()
display:set_current()
