-- Helpers for the binding's tests; each test file loads this first.
local check = {}

-- Calls f and returns the error message it raised; fails if it raised none.
function check.error_of(f, ...)
  local ok, message = pcall(f, ...)
  assert(not ok, "expected an error")
  return tostring(message)
end

-- The error must contain `fragment` (plain text).
function check.fails_with(fragment, f, ...)
  local message = check.error_of(f, ...)
  assert(message:find(fragment, 1, true),
         ("error %q does not contain %q"):format(message, fragment))
end

function check.equal(actual, expected, what)
  if actual ~= expected then
    error(("%s: expected %s, got %s"):format(what or "value", tostring(expected),
                                             tostring(actual)), 2)
  end
end

-- The widget tree under w, one line per widget: class, geometry, label.
-- Parts that widgets make for themselves (scroll bars) are left out.
function check.tree(w, indent, out)
  indent, out = indent or "", out or {}
  out[#out + 1] = ("%s%s %d,%d %dx%d %s"):format(indent, w:class_name(), w:x(), w:y(), w:w(),
                                                 w:h(), w:label() or "-")
  local is_group, children = pcall(function() return w:children() end)
  for i = 0, (is_group and children or 0) - 1 do
    local child = w:child(i)
    if child:class_name() ~= "Fl_Scrollbar" then check.tree(child, indent .. "  ", out) end
  end
  return table.concat(out, "\n")
end

-- The first widget under w (w included) for which wanted(widget) is true.
function check.find(w, wanted)
  if wanted(w) then return w end
  local is_group, children = pcall(function() return w:children() end)
  for i = 0, (is_group and children or 0) - 1 do
    local found = check.find(w:child(i), wanted)
    if found then return found end
  end
end

function check.labelled(text) return function(w) return w:label() == text end end

-- For check.find: widgets that have a value() for which test(value) is true.
function check.value_where(test)
  return function(w)
    local has_value, value = pcall(function() return w:value() end)
    return has_value and test(value)
  end
end

-- Runs fn(dialog) from a timer once a modal dialog is up, as a person
-- answers the dialog that the caller then opens and waits on.
function check.answer(fn)
  local function wait_for_dialog()
    local dialog = Fl:modal()
    if dialog and dialog:shown() then fn(dialog) else Fl:repeat_timeout(0.01, wait_for_dialog) end
  end
  Fl:add_timeout(0.01, wait_for_dialog)
end

-- Draws with `draw` on the image surface, white first, then makes the display
-- current again; returns a function giving the colour of a pixel as "r,g,b".
function check.paint(surface, w, h, draw)
  surface:set_current()
  fltk.fl_rectf(0, 0, w, h, 255, 255, 255)
  draw()
  local pixels = fltk.fl_read_image(0, 0, w, h)
  Fl_Display_Device.display_device():set_current()
  return function(x, y)
    local i = (y * w + x) * 3 + 1
    return ("%d,%d,%d"):format(pixels:byte(i, i + 2))
  end
end

return check
