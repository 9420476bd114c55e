// Fl_Image_Surface: drawing off the screen. fltk:Fl_Image_Surface(w, h) makes
// one; surface:set_current() sends the fl_draw functions to it, until
// Fl_Display_Device.display_device():set_current() sends them back.
#include <FL/Fl_Device.H>
#include <FL/Fl_Image_Surface.H>
#include <FL/Fl_Widget.H>
#include <FL/Fl_Window.H>
#include <FL/x.H>

#include "api_support.h"
#include "arguments.h"
#include "callbacks.h"
#include "handles.h"
#include "lua_class.h"

namespace fluac_lua {

namespace {

const char kSurface[] = "Fl_Image_Surface";
const char kDisplay[] = "Fl_Display_Device";

struct SurfaceObject {
    Fl_Image_Surface* surface;
};

Fl_Image_Surface* surface(lua_State* L, int most) {
    check_nargs(L, most);
    auto* o = static_cast<SurfaceObject*>(luaL_checkudata(L, 1, kSurface));
    if (!o->surface) luaL_argerror(L, 1, "the surface has been deleted");
    return o->surface;
}

// FLTK's image surface pushes a clip when it becomes current, and pops it
// only in image(), which the binding does not call: it is popped here when
// drawing leaves the surface, so that the clip stack does not grow with each
// round trip.
void leave_image_surface() {
    if (dynamic_cast<Fl_Image_Surface*>(Fl_Surface_Device::surface())) fl_pop_clip();
}

int s_set_current(lua_State* L) {
    Fl_Image_Surface* s = surface(L, 1);
    leave_image_surface();
    s->set_current();
    return 0;
}

// draw(widget [, dx, dy]) and draw_decorated_window(window [, dx, dy]).
int s_draw(lua_State* L) {
    Fl_Image_Surface* s = surface(L, 4);
    Fl_Widget* w = check_widget(L, 2);
    const int dx = lua_isnoneornil(L, 3) ? 0 : check_int(L, 3);
    const int dy = lua_isnoneornil(L, 4) ? 0 : check_int(L, 4);
    s->draw(w, dx, dy);
    raise_pending_error(L);
    return 0;
}

int s_draw_decorated_window(lua_State* L) {
    Fl_Image_Surface* s = surface(L, 4);
    Fl_Window* w = check_window(L, 2);
    if (!w->shown()) return luaL_argerror(L, 2, "the window is not shown");
    const int dx = lua_isnoneornil(L, 3) ? 0 : check_int(L, 3);
    const int dy = lua_isnoneornil(L, 4) ? 0 : check_int(L, 4);
    s->draw_decorated_window(w, dx, dy);
    raise_pending_error(L);
    return 0;
}

// Deleting the current surface sends drawing back to the display first.
int s_gc(lua_State* L) {
    auto* o = static_cast<SurfaceObject*>(luaL_checkudata(L, 1, kSurface));
    if (o->surface && Fl_Surface_Device::surface() == o->surface) {
        leave_image_surface();
        Fl_Display_Device::display_device()->set_current();
    }
    delete o->surface;
    o->surface = nullptr;
    return 0;
}

const luaL_Reg kSurfaceMethods[] = {
    {"set_current", s_set_current},
    {"draw", s_draw},
    {"draw_decorated_window", s_draw_decorated_window},
    {nullptr, nullptr},
};

const luaL_Reg kSurfaceMeta[] = {
    {"__gc", s_gc},
    {nullptr, nullptr},
};

// fltk:Fl_Image_Surface(w, h [, highres]).
int construct(lua_State* L) {
    const int first = lua_istable(L, 1) ? 2 : 1;
    check_nargs(L, first + 2);
    const int w = static_cast<int>(check_range(L, first, 1, 8192));
    const int h = static_cast<int>(check_range(L, first + 1, 1, 8192));
    const int highres = lua_isnoneornil(L, first + 2) ? 0 : check_flag(L, first + 2);
    auto* o = static_cast<SurfaceObject*>(lua_newuserdatauv(L, sizeof(SurfaceObject), 0));
    o->surface = nullptr;
    luaL_setmetatable(L, kSurface);
    fl_open_display();
    o->surface = new Fl_Image_Surface(w, h, highres);
    return 1;
}

int display_set_current(lua_State* L) {
    check_nargs(L, 1);
    luaL_checkudata(L, 1, kDisplay);
    leave_image_surface();
    Fl_Display_Device::display_device()->set_current();
    return 0;
}

const luaL_Reg kDisplayMethods[] = {
    {"set_current", display_set_current},
    {nullptr, nullptr},
};

// Fl_Display_Device.display_device(): the one display device.
int display_device(lua_State* L) {
    check_nargs(L, 1);
    if (lua_getfield(L, LUA_REGISTRYINDEX, "fluac.display_device") == LUA_TUSERDATA) return 1;
    lua_pop(L, 1);
    lua_newuserdatauv(L, 1, 0);
    luaL_setmetatable(L, kDisplay);
    lua_pushvalue(L, -1);
    lua_setfield(L, LUA_REGISTRYINDEX, "fluac.display_device");
    return 1;
}

}  // namespace

void open_image_surface(lua_State* L) {
    define_class(L, {kSurface, nullptr, kSurfaceMethods, kSurfaceMeta});
    define_class(L, {kDisplay, nullptr, kDisplayMethods});
    lua_pushcfunction(L, construct);
    lua_setfield(L, -2, kSurface);
    lua_createtable(L, 0, 1);
    lua_pushcfunction(L, display_device);
    lua_setfield(L, -2, "display_device");
    lua_setglobal(L, kDisplay);
}

}  // namespace fluac_lua
