// Methods of shared images (the handles Fl_Shared_Image.get returns) and the
// static functions of Fl_Shared_Image beside get.
#include <FL/Fl_Image.H>
#include <FL/Fl_Shared_Image.H>

#include "api_support.h"
#include "arguments.h"
#include "handles.h"
#include "lua_class.h"

namespace fluac_lua {

namespace {

Fl_Shared_Image* image(lua_State* L, int most) {
    check_nargs(L, most);
    Fl_Shared_Image* img = opt_image(L, 1);
    if (!img) luaL_typeerror(L, 1, "image");
    return img;
}

int i_name(lua_State* L) {
    push_string_or_nil(L, image(L, 1)->name());
    return 1;
}

int i_original(lua_State* L) {
    lua_pushboolean(L, image(L, 1)->original() != 0);
    return 1;
}

int i_refcount(lua_State* L) {
    lua_pushinteger(L, image(L, 1)->refcount());
    return 1;
}

#define INT_GETTER(NAME)                             \
    int i_##NAME(lua_State* L) {                     \
        lua_pushinteger(L, image(L, 1)->NAME());     \
        return 1;                                    \
    }
INT_GETTER(w)
INT_GETTER(h)
INT_GETTER(d)
INT_GETTER(count)
#undef INT_GETTER

int i_reload(lua_State* L) {
    image(L, 1)->reload();
    return 0;
}

int i_uncache(lua_State* L) {
    image(L, 1)->uncache();
    return 0;
}

int i_desaturate(lua_State* L) {
    image(L, 1)->desaturate();
    return 0;
}

// color_average(colour, weight): weight 0 to 1 of the image's own colours.
int i_color_average(lua_State* L) {
    Fl_Shared_Image* img = image(L, 3);
    const auto c = static_cast<Fl_Color>(check_color(L, 2));
    const double weight = check_finite(L, 3);
    if (weight < 0 || weight > 1) return luaL_argerror(L, 3, "out of range (0 to 1)");
    img->color_average(c, static_cast<float>(weight));
    return 0;
}

// scale(w, h [, proportional [, can_expand]]): the size it draws at.
int i_scale(lua_State* L) {
    Fl_Shared_Image* img = image(L, 5);
    const int w = static_cast<int>(check_range(L, 2, 1, 16384));
    const int h = static_cast<int>(check_range(L, 3, 1, 16384));
    const int proportional = lua_isnoneornil(L, 4) ? 1 : check_flag(L, 4);
    const int can_expand = lua_isnoneornil(L, 5) ? 0 : check_flag(L, 5);
    img->scale(w, h, proportional, can_expand);
    return 0;
}

// draw(x, y [, w, h [, cx, cy]]) where there is something to draw on.
int i_draw(lua_State* L) {
    Fl_Shared_Image* img = image(L, 7);
    const int n = lua_gettop(L);
    if (n != 3 && n != 5 && n != 7) return luaL_error(L, "draw takes x, y [, w, h [, cx, cy]]");
    const int x = check_int(L, 2), y = check_int(L, 3);
    const int w = n >= 5 ? check_int(L, 4) : img->w(), h = n >= 5 ? check_int(L, 5) : img->h();
    const int cx = n == 7 ? check_int(L, 6) : 0, cy = n == 7 ? check_int(L, 7) : 0;
    check_drawing(L);
    img->draw(x, y, w, h, cx, cy);
    return 0;
}

const luaL_Reg kMethods[] = {
    {"name", i_name},
    {"original", i_original},
    {"refcount", i_refcount},
    {"w", i_w},
    {"h", i_h},
    {"d", i_d},
    {"count", i_count},
    {"reload", i_reload},
    {"uncache", i_uncache},
    {"desaturate", i_desaturate},
    {"color_average", i_color_average},
    {"scale", i_scale},
    {"draw", i_draw},
    {nullptr, nullptr},
};

// Static functions: called as Fl_Shared_Image.find(...) or with a colon.
int first_arg(lua_State* L) { return lua_istable(L, 1) ? 2 : 1; }

// find(name [, w, h]) -> a cached image, or nil.
int s_find(lua_State* L) {
    const int first = first_arg(L);
    check_nargs(L, first + 2);
    const char* name = luaL_checkstring(L, first);
    const int w = lua_isnoneornil(L, first + 1) ? 0 : static_cast<int>(check_range(L, first + 1, 0, 16384));
    const int h = lua_isnoneornil(L, first + 2) ? 0 : static_cast<int>(check_range(L, first + 2, 0, 16384));
    push_image(L, Fl_Shared_Image::find(name, w, h));
    return 1;
}

int s_num_images(lua_State* L) {
    check_nargs(L, first_arg(L) - 1);
    lua_pushinteger(L, Fl_Shared_Image::num_images());
    return 1;
}

// images() -> a list of the cached images.
int s_images(lua_State* L) {
    check_nargs(L, first_arg(L) - 1);
    const int n = Fl_Shared_Image::num_images();
    Fl_Shared_Image** all = Fl_Shared_Image::images();
    lua_createtable(L, n, 0);
    for (int i = 0; i < n; ++i) {
        push_image(L, all[i]);
        lua_rawseti(L, -2, i + 1);
    }
    return 1;
}

int s_scaling_algorithm(lua_State* L) {
    const int first = first_arg(L);
    check_nargs(L, first);
    Fl_Shared_Image::scaling_algorithm(static_cast<Fl_RGB_Scaling>(
        check_range(L, first, FL_RGB_SCALING_NEAREST, FL_RGB_SCALING_BILINEAR)));
    return 0;
}

const luaL_Reg kStatics[] = {
    {"find", s_find},
    {"num_images", s_num_images},
    {"images", s_images},
    {"scaling_algorithm", s_scaling_algorithm},
    {nullptr, nullptr},
};

}  // namespace

void open_shared_image_methods(lua_State* L) {
    // The handles' metatable, made with the handles, gets its methods here.
    define_class(L, {"fluac.image", nullptr, kMethods});
    lua_getglobal(L, "Fl_Shared_Image");
    luaL_setfuncs(L, kStatics, 0);
    lua_pop(L, 1);
}

}  // namespace fluac_lua
