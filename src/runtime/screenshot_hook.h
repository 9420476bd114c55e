// Screenshot mode: the binding remembers the first window the script shows,
// and Fl:run() stops the script instead of entering the loop. fluac-lua then
// takes the screenshot; for the module, Fl:run() takes it and ends the program.
#pragma once

class Fl_Window;

namespace fluac_lua {

void enable_screenshot_mode();
bool screenshot_mode();
// The module's mode: Fl:run() writes the screenshot to `path` and exits.
void enable_screenshot_and_exit(const char* path);
// That path, or null.
const char* screenshot_exit_path();
void note_window_shown(Fl_Window* w);
// The first window shown, or null (also when it has been deleted since).
Fl_Window* first_shown_window();

}  // namespace fluac_lua
