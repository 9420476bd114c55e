// Fl_Window's methods, and the flush() its subclasses make public.
#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Shared_Image.H>
#include <FL/Fl_Single_Window.H>
// Fl_X, which knows whether a window waits to be mapped.
#define FL_INTERNALS
#include <FL/x.H>

#include <memory>
#include <vector>

#include "api_support.h"
#include "callbacks.h"
#include "display.h"
#include "group_methods.h"
#include "member_functions.h"
#include "screenshot_hook.h"
#include "tree.h"

namespace fluac_lua {

namespace {

Fl_Window* window(lua_State* L, int most_args) {
    Fl_Window* win = check_self<Fl_Window>(L);
    check_nargs(L, most_args);
    return win;
}

int shown(lua_State* L) {
    lua_pushboolean(L, window(L, 1)->shown());
    return 1;
}

int opt_size(lua_State* L, int idx) {
    return static_cast<int>(lua_isnoneornil(L, idx) ? 0 : check_range(L, idx, 0, kLargestCoordinate));
}

// size_range(minw, minh [, maxw, maxh [, dw, dh [, aspect]]]); 0 for a
// maximum means none.
int size_range(lua_State* L) {
    Fl_Window* win = window(L, 8);
    const auto minw = static_cast<int>(check_range(L, 2, 0, kLargestCoordinate));
    const auto minh = static_cast<int>(check_range(L, 3, 0, kLargestCoordinate));
    const int maxw = opt_size(L, 4), maxh = opt_size(L, 5), dw = opt_size(L, 6), dh = opt_size(L, 7);
    const bool aspect = !lua_isnoneornil(L, 8) && check_flag(L, 8);
    win->size_range(minw, minh, maxw, maxh, dw, dh, aspect);
    return 0;
}

int xclass(lua_State* L) {
    Fl_Window* win = window(L, 2);
    if (!is_setter(L)) {
        lua_pushstring(L, win->xclass());
        return 1;
    }
    win->xclass(luaL_checkstring(L, 2));  // copied by FLTK
    return 0;
}

int set_modal(lua_State* L) {
    window(L, 1)->set_modal();
    return 0;
}

int set_non_modal(lua_State* L) {
    window(L, 1)->set_non_modal();
    return 0;
}

int clear_border(lua_State* L) {
    window(L, 1)->clear_border();
    return 0;
}

// hotspot(widget [, offscreen]) or hotspot(x, y [, offscreen]): the window
// will open with that widget or place under the pointer, inside the screen
// unless offscreen. With --tree there is no pointer, and the call is only
// recorded.
int hotspot(lua_State* L) {
    Fl_Window* win = window(L, 4);
    Fl_Widget* w = lua_type(L, 2) == LUA_TNUMBER ? nullptr : check_widget(L, 2);
    const int x = w ? 0 : check_coordinate(L, 2), y = w ? 0 : check_coordinate(L, 3);
    const int flag_idx = w ? 3 : 4;
    const bool offscreen = !lua_isnoneornil(L, flag_idx) && check_flag(L, flag_idx);
    if (tree_mode()) return 0;
    need_display(L);
    if (w)
        win->hotspot(w, offscreen);
    else
        win->hotspot(x, y, offscreen);
    return 0;
}

// label(text [, iconlabel]): the title, and the icon's label with it.
int label(lua_State* L) {
    Fl_Window* win = window(L, 3);
    if (!is_setter(L)) {
        push_string_or_nil(L, win->label());
        return 1;
    }
    set_label(win, luaL_optstring(L, 2, nullptr));
    if (lua_gettop(L) >= 3) win->iconlabel(keep_with_widget(L, win, "iconlabel", 3));
    return 0;
}

// iconize() shows the window as an icon.
int iconize(lua_State* L) {
    Fl_Window* win = window(L, 1);
    if (tree_mode()) return 0;
    if (win->parent()) return luaL_error(L, "only a window outside groups can be iconized");
    need_display(L);
    win->iconize();
    note_window_shown(win);
    return 0;
}

// iconlabel(text): FLTK keeps the pointer, so the widget's data keeps the text.
int iconlabel(lua_State* L) {
    Fl_Window* win = window(L, 2);
    if (!is_setter(L)) {
        push_string_or_nil(L, win->iconlabel());
        return 1;
    }
    win->iconlabel(keep_with_widget(L, win, "iconlabel", 2));
    return 0;
}

// cursor(c [, fg, bg]) and default_cursor(c [, fg, bg]): FLTK's cursors,
// which a shown window shows.
Fl_Cursor check_cursor(lua_State* L, int idx) {
    return static_cast<Fl_Cursor>(check_range(L, idx, FL_CURSOR_DEFAULT, FL_CURSOR_NONE));
}

template <void (Fl_Window::*Set)(Fl_Cursor, Fl_Color, Fl_Color)>
int set_cursor(lua_State* L) {
    Fl_Window* win = window(L, 4);
    const Fl_Cursor c = check_cursor(L, 2);
    const auto fg = static_cast<Fl_Color>(lua_isnoneornil(L, 3) ? FL_BLACK : check_color(L, 3));
    const auto bg = static_cast<Fl_Color>(lua_isnoneornil(L, 4) ? FL_WHITE : check_color(L, 4));
    (win->*Set)(c, fg, bg);
    return 0;
}

// fullscreen_off() or fullscreen_off(x, y, w, h).
int fullscreen_off(lua_State* L) {
    Fl_Window* win = window(L, 5);
    if (lua_gettop(L) <= 1) {
        win->fullscreen_off();
        return 0;
    }
    const int x = check_coordinate(L, 2), y = check_coordinate(L, 3),
              w = check_coordinate(L, 4), h = check_coordinate(L, 5);
    win->fullscreen_off(x, y, w, h);
    return 0;
}

// fullscreen_screens(top, bottom, left, right): screen numbers, -1 for
// the window's own screen.
int fullscreen_screens(lua_State* L) {
    Fl_Window* win = window(L, 5);
    int s[4];
    for (int i = 0; i < 4; ++i) s[i] = static_cast<int>(check_range(L, i + 2, -1, 255));
    win->fullscreen_screens(s[0], s[1], s[2], s[3]);
    return 0;
}

// Icons and shapes take an Fl_RGB_Image: an image of RGB or grey pixels
// (with or without alpha), as PNG and JPEG files give, read in place. FLTK
// copies what it needs of it.
Fl_Shared_Image* check_pixels(lua_State* L, int idx) {
    Fl_Shared_Image* img = opt_image(L, idx);
    luaL_argcheck(L, img, idx, "an image");
    if (img->count() != 1 || img->d() < 1 || img->d() > 4 || !img->data())
        luaL_argerror(L, idx, "an image of RGB or grey pixels");
    return img;
}

struct Pixels : Fl_RGB_Image {
    explicit Pixels(Fl_Shared_Image* img)
        : Fl_RGB_Image(reinterpret_cast<const uchar*>(img->data()[0]), img->w(), img->h(), img->d()) {}
};

// icon(image) and icons(image, ...): the window's icons; icons() none.
int icon(lua_State* L) {
    Fl_Window* win = window(L, 2);
    const Pixels rgb(check_pixels(L, 2));
    win->icon(&rgb);
    return 0;
}

int icons(lua_State* L) {
    constexpr int kMostIcons = 8;
    Fl_Window* win = window(L, kMostIcons + 1);
    for (int i = 2; i <= lua_gettop(L); ++i) check_pixels(L, i);
    std::vector<std::unique_ptr<Pixels>> images;
    std::vector<const Fl_RGB_Image*> pointers;
    for (int i = 2; i <= lua_gettop(L); ++i) {
        images.push_back(std::make_unique<Pixels>(opt_image(L, i)));
        pointers.push_back(images.back().get());
    }
    win->icons(pointers.data(), static_cast<int>(pointers.size()));
    return 0;
}

// shape(image): the window takes the shape of the image's opaque part.
int shape(lua_State* L) {
    Fl_Window* win = window(L, 2);
    const Pixels rgb(check_pixels(L, 2));
    win->shape(&rgb);
    return 0;
}

// make_current() and flush(): drawing into a shown window outside its draw.
int make_current(lua_State* L) {
    Fl_Window* win = window(L, 1);
    if (!win->shown()) return luaL_error(L, "%s is not shown", class_name(win));
    win->make_current();
    return 0;
}

template <class W>
int flush(lua_State* L) {
    W* win = check_call<W>(L, 1);
    if (drawing()) return luaL_error(L, "a window cannot be flushed while drawing");
    if (win->shown()) win->flush();
    raise_pending_error(L);
    return 0;
}

// wait_for_expose(): FLTK's loop runs until the shown window is mapped; the
// window may be deleted meanwhile.
int wait_for_expose(lua_State* L) {
    Fl_Window* win = window(L, 1);
    Fl_Widget* watched = win;
    Fl::watch_widget_pointer(watched);
    while (watched && win->shown() && Fl_X::i(win)->wait_for_expose && !error_pending()) Fl::wait();
    Fl::release_widget_pointer(watched);
    raise_pending_error(L);
    return 0;
}

}  // namespace

const luaL_Reg kWindowMethods[] = {
    {"shown", shown},
    {"size_range", size_range},
    {"xclass", xclass},
    {"set_modal", set_modal},
    {"set_non_modal", set_non_modal},
    {"clear_border", clear_border},
    {"hotspot", hotspot},
    {"iconize", iconize},
    {"label", label},
    {"iconlabel", iconlabel},
    {"icon", icon},
    {"icons", icons},
    {"shape", shape},
    {"cursor", set_cursor<&Fl_Window::cursor>},
    {"default_cursor", set_cursor<&Fl_Window::default_cursor>},
    {"fullscreen_off", fullscreen_off},
    {"fullscreen_screens", fullscreen_screens},
    {"make_current", make_current},
    {"wait_for_expose", wait_for_expose},
    FLUAC_FLAG(Fl_Window, border),
    FLUAC_GET_FLAG(Fl_Window, modal),
    FLUAC_GET_FLAG(Fl_Window, non_modal),
    FLUAC_GET_FLAG(Fl_Window, menu_window),
    FLUAC_GET_FLAG(Fl_Window, tooltip_window),
    FLUAC_GET_FLAG(Fl_Window, override),
    FLUAC_GET_FLAG(Fl_Window, fullscreen_active),
    FLUAC_GET(Fl_Window, x_root),
    FLUAC_GET(Fl_Window, y_root),
    FLUAC_GET(Fl_Window, decorated_w),
    FLUAC_GET(Fl_Window, decorated_h),
    FLUAC_CALL(Fl_Window, clear_modal_states),
    FLUAC_CALL(Fl_Window, set_menu_window),
    FLUAC_CALL(Fl_Window, set_tooltip_window),
    FLUAC_CALL(Fl_Window, set_override),
    FLUAC_CALL(Fl_Window, free_position),
    FLUAC_CALL(Fl_Window, fullscreen),
    {nullptr, nullptr},
};

bool draws_into(const Fl_Window* w) {
    for (Fl_X* x = Fl_X::first; x; x = x->next)
        if (x->w == w) return fl_window && (fl_window == x->xid || fl_window == x->other_xid);
    return false;
}

const luaL_Reg kDoubleWindowMethods[] = {{"flush", flush<Fl_Double_Window>}, {nullptr, nullptr}};
const luaL_Reg kSingleWindowMethods[] = {{"flush", flush<Fl_Single_Window>}, {nullptr, nullptr}};

}  // namespace fluac_lua
