// Screenshot mode of fluac-lua: the binding remembers the first window the
// script shows, and Fl:run() stops the script instead of entering the loop.
#pragma once

class Fl_Window;

namespace fluac_lua {

void enable_screenshot_mode();
bool screenshot_mode();
void note_window_shown(Fl_Window* w);
// The first window shown, or null (also when it has been deleted since).
Fl_Window* first_shown_window();

}  // namespace fluac_lua
