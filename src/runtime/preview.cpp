#include "preview.h"

#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Group.H>

#include <deque>

#include "display.h"
#include "screenshot_hook.h"
#include "tree.h"

namespace fluac_lua {

namespace {

// Watched pointers to the top-level widgets, in the order they were made;
// FLTK clears one when it deletes its widget. A deque keeps the pointers
// where FLTK watches them as it grows.
std::deque<Fl_Widget*>& top_level() {
    static auto* widgets = new std::deque<Fl_Widget*>;
    return *widgets;
}

// The windows made to show a widget in.
std::deque<Fl_Widget*>& preview_windows() {
    static auto* windows = new std::deque<Fl_Widget*>;
    return *windows;
}

void forget(std::deque<Fl_Widget*>& watched) {
    for (Fl_Widget*& w : watched) Fl::release_widget_pointer(w);
    watched.clear();
}

}  // namespace

void note_top_level(Fl_Widget* w) {
    top_level().push_back(w);
    Fl::watch_widget_pointer(top_level().back());
}

void preview_unshown(lua_State* L) {
    if (tree_mode()) return;
    const bool any_shown = Fl::first_window() != nullptr;
    for (Fl_Widget*& w : top_level()) {
        if (!w || w->parent()) continue;
        Fl_Window* win = w->as_window();
        if (win && (any_shown || win->shown())) continue;
        if (!screenshot_mode()) need_display(L);  // a screenshot has opened it
        if (!win) {
            Fl_Group* current = Fl_Group::current();
            Fl_Group::current(nullptr);  // the window stands alone
            win = new Fl_Double_Window(w->x(), w->y(), w->w(), w->h());
            Fl_Group::current(current);
            // The widget's children keep their places in the window: only
            // the widget itself moves to its corner.
            w->Fl_Widget::resize(0, 0, w->w(), w->h());
            win->add(w);
            preview_windows().push_back(win);
            Fl::watch_widget_pointer(preview_windows().back());
        }
        win->show();
        note_window_shown(win);
    }
}

}  // namespace fluac_lua

namespace fluac_lua {

void close_previews() {
    forget(top_level());
    for (Fl_Widget* w : preview_windows()) delete w;
    forget(preview_windows());
}

}  // namespace fluac_lua
