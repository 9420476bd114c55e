// The rest of Enumerations.H for applications: colours, fonts, keys, events,
// damage bits, line styles, cursors, beeps, and the colour functions
// (fltk.fl_rgb_color, fltk.fl_darker, ...). The box and label types, the
// basic events and keys and the menu flags are in constants.cpp.
#include <FL/Enumerations.H>
#include <FL/Fl.H>
#include <FL/Fl_Image.H>
#include <FL/fl_ask.H>
#include <FL/fl_draw.H>

#include "api_support.h"
#include "arguments.h"

namespace fluac_lua {

namespace {

struct Constant {
    const char* name;
    long long value;
};

#define C(NAME) {#NAME, static_cast<long long>(NAME)}
const Constant kConstants[] = {
    // Colours
    C(FL_FOREGROUND_COLOR), C(FL_BACKGROUND2_COLOR), C(FL_INACTIVE_COLOR),
    C(FL_SELECTION_COLOR), C(FL_GRAY0), C(FL_DARK3), C(FL_DARK2), C(FL_DARK1),
    C(FL_BACKGROUND_COLOR), C(FL_LIGHT1), C(FL_LIGHT2), C(FL_LIGHT3), C(FL_BLACK), C(FL_RED),
    C(FL_GREEN), C(FL_YELLOW), C(FL_BLUE), C(FL_MAGENTA), C(FL_CYAN), C(FL_DARK_RED),
    C(FL_DARK_GREEN), C(FL_DARK_YELLOW), C(FL_DARK_BLUE), C(FL_DARK_MAGENTA), C(FL_DARK_CYAN),
    C(FL_WHITE), C(FL_FREE_COLOR), C(FL_NUM_FREE_COLOR), C(FL_GRAY_RAMP), C(FL_NUM_GRAY),
    C(FL_GRAY), C(FL_COLOR_CUBE), C(FL_NUM_RED), C(FL_NUM_GREEN), C(FL_NUM_BLUE),
    // Fonts
    C(FL_HELVETICA), C(FL_HELVETICA_BOLD), C(FL_HELVETICA_ITALIC), C(FL_HELVETICA_BOLD_ITALIC),
    C(FL_COURIER), C(FL_COURIER_BOLD), C(FL_COURIER_ITALIC), C(FL_COURIER_BOLD_ITALIC),
    C(FL_TIMES), C(FL_TIMES_BOLD), C(FL_TIMES_ITALIC), C(FL_TIMES_BOLD_ITALIC), C(FL_SYMBOL),
    C(FL_SCREEN), C(FL_SCREEN_BOLD), C(FL_ZAPF_DINGBATS), C(FL_FREE_FONT), C(FL_BOLD),
    C(FL_ITALIC), C(FL_BOLD_ITALIC),
    // Events
    C(FL_HIDE), C(FL_SHOW), C(FL_PASTE), C(FL_SELECTIONCLEAR), C(FL_MOUSEWHEEL),
    C(FL_DND_ENTER), C(FL_DND_DRAG), C(FL_DND_LEAVE), C(FL_DND_RELEASE),
    C(FL_SCREEN_CONFIGURATION_CHANGED), C(FL_FULLSCREEN),
    // Keys and mouse buttons
    C(FL_Button), C(FL_BackSpace), C(FL_Tab), C(FL_Iso_Key), C(FL_Pause), C(FL_Scroll_Lock),
    C(FL_Home), C(FL_Left), C(FL_Up), C(FL_Right), C(FL_Down), C(FL_Page_Up), C(FL_Page_Down),
    C(FL_End), C(FL_Print), C(FL_Insert), C(FL_Menu), C(FL_Help), C(FL_Num_Lock), C(FL_KP),
    C(FL_KP_Enter), C(FL_KP_Last), C(FL_F_Last), C(FL_Shift_L), C(FL_Shift_R),
    C(FL_Control_L), C(FL_Control_R), C(FL_Caps_Lock), C(FL_Meta_L), C(FL_Meta_R), C(FL_Alt_L),
    C(FL_Alt_R), C(FL_Delete), C(FL_LEFT_MOUSE), C(FL_MIDDLE_MOUSE), C(FL_RIGHT_MOUSE),
    // Modifier and button state
    C(FL_CAPS_LOCK), C(FL_NUM_LOCK), C(FL_SCROLL_LOCK), C(FL_BUTTON1), C(FL_BUTTON2),
    C(FL_BUTTON3), C(FL_BUTTONS), C(FL_KEY_MASK), C(FL_COMMAND), C(FL_CONTROL),
    // Callback conditions and alignments
    C(FL_WHEN_NOT_CHANGED), C(FL_ALIGN_TEXT_OVER_IMAGE), C(FL_ALIGN_IMAGE_OVER_TEXT),
    C(FL_ALIGN_NOWRAP), C(FL_ALIGN_IMAGE_NEXT_TO_TEXT), C(FL_ALIGN_TEXT_NEXT_TO_IMAGE),
    C(FL_ALIGN_IMAGE_BACKDROP), C(FL_ALIGN_TOP_LEFT), C(FL_ALIGN_TOP_RIGHT),
    C(FL_ALIGN_BOTTOM_LEFT), C(FL_ALIGN_BOTTOM_RIGHT), C(FL_ALIGN_LEFT_TOP),
    C(FL_ALIGN_RIGHT_TOP), C(FL_ALIGN_LEFT_BOTTOM), C(FL_ALIGN_RIGHT_BOTTOM),
    C(FL_ALIGN_POSITION_MASK), C(FL_ALIGN_IMAGE_MASK),
    // Damage
    C(FL_DAMAGE_CHILD), C(FL_DAMAGE_EXPOSE), C(FL_DAMAGE_SCROLL), C(FL_DAMAGE_OVERLAY),
    C(FL_DAMAGE_USER1), C(FL_DAMAGE_USER2), C(FL_DAMAGE_ALL),
    // Line styles
    C(FL_SOLID), C(FL_DASH), C(FL_DOT), C(FL_DASHDOT), C(FL_DASHDOTDOT), C(FL_CAP_FLAT),
    C(FL_CAP_ROUND), C(FL_CAP_SQUARE), C(FL_JOIN_MITER), C(FL_JOIN_ROUND), C(FL_JOIN_BEVEL),
    // Cursors
    C(FL_CURSOR_DEFAULT), C(FL_CURSOR_ARROW), C(FL_CURSOR_CROSS), C(FL_CURSOR_WAIT),
    C(FL_CURSOR_INSERT), C(FL_CURSOR_HAND), C(FL_CURSOR_HELP), C(FL_CURSOR_MOVE),
    C(FL_CURSOR_NS), C(FL_CURSOR_WE), C(FL_CURSOR_NWSE), C(FL_CURSOR_NESW), C(FL_CURSOR_N),
    C(FL_CURSOR_NE), C(FL_CURSOR_E), C(FL_CURSOR_SE), C(FL_CURSOR_S), C(FL_CURSOR_SW),
    C(FL_CURSOR_W), C(FL_CURSOR_NW), C(FL_CURSOR_NONE),
    // Beeps, descriptor events, visual modes, image scaling
    C(FL_BEEP_DEFAULT), C(FL_BEEP_MESSAGE), C(FL_BEEP_ERROR), C(FL_BEEP_QUESTION),
    C(FL_BEEP_PASSWORD), C(FL_BEEP_NOTIFICATION), C(FL_READ), C(FL_WRITE), C(FL_EXCEPT),
    C(FL_RGB), C(FL_INDEX), C(FL_SINGLE), C(FL_DOUBLE), C(FL_ACCUM), C(FL_ALPHA), C(FL_DEPTH),
    C(FL_STENCIL), C(FL_RGB8), C(FL_MULTISAMPLE), C(FL_STEREO), C(FL_RGB_SCALING_NEAREST),
    C(FL_RGB_SCALING_BILINEAR),
};
#undef C

Fl_Color color_arg(lua_State* L, int idx) { return static_cast<Fl_Color>(check_color(L, idx)); }
uchar byte_arg(lua_State* L, int idx) { return static_cast<uchar>(check_range(L, idx, 0, 255)); }

int push_color(lua_State* L, Fl_Color c) {
    lua_pushinteger(L, static_cast<lua_Integer>(c));
    return 1;
}

// fl_rgb_color(r, g, b) or fl_rgb_color(gray).
int fltk_fl_rgb_color(lua_State* L) {
    check_nargs(L, 3);
    if (lua_gettop(L) == 1) return push_color(L, fl_rgb_color(byte_arg(L, 1)));
    return push_color(L, fl_rgb_color(byte_arg(L, 1), byte_arg(L, 2), byte_arg(L, 3)));
}

int fltk_fl_gray_ramp(lua_State* L) {
    check_nargs(L, 1);
    return push_color(L, fl_gray_ramp(static_cast<int>(check_range(L, 1, 0, FL_NUM_GRAY - 1))));
}

int fltk_fl_color_cube(lua_State* L) {
    check_nargs(L, 3);
    return push_color(L, fl_color_cube(static_cast<int>(check_range(L, 1, 0, FL_NUM_RED - 1)),
                                       static_cast<int>(check_range(L, 2, 0, FL_NUM_GREEN - 1)),
                                       static_cast<int>(check_range(L, 3, 0, FL_NUM_BLUE - 1))));
}

#define ONE_COLOR(NAME)                             \
    int fltk_##NAME(lua_State* L) {                 \
        check_nargs(L, 1);                          \
        return push_color(L, NAME(color_arg(L, 1))); \
    }
ONE_COLOR(fl_lighter)
ONE_COLOR(fl_darker)
ONE_COLOR(fl_inactive)
#undef ONE_COLOR

int fltk_fl_contrast(lua_State* L) {
    check_nargs(L, 2);
    return push_color(L, fl_contrast(color_arg(L, 1), color_arg(L, 2)));
}

// fl_color_average(c1, c2, weight): weight 0 to 1 of c1.
int fltk_fl_color_average(lua_State* L) {
    check_nargs(L, 3);
    const Fl_Color c1 = color_arg(L, 1), c2 = color_arg(L, 2);
    const double weight = check_finite(L, 3);
    if (weight < 0 || weight > 1) return luaL_argerror(L, 3, "out of range (0 to 1)");
    return push_color(L, fl_color_average(c1, c2, static_cast<float>(weight)));
}

const luaL_Reg kColorFunctions[] = {
    {"fl_rgb_color", fltk_fl_rgb_color},
    {"fl_gray_ramp", fltk_fl_gray_ramp},
    {"fl_color_cube", fltk_fl_color_cube},
    {"fl_lighter", fltk_fl_lighter},
    {"fl_darker", fltk_fl_darker},
    {"fl_inactive", fltk_fl_inactive},
    {"fl_contrast", fltk_fl_contrast},
    {"fl_color_average", fltk_fl_color_average},
    {nullptr, nullptr},
};

}  // namespace

void add_more_constants(lua_State* L) {
    for (const Constant& c : kConstants) {
        lua_pushinteger(L, static_cast<lua_Integer>(c.value));
        lua_setfield(L, -2, c.name);
    }
    luaL_setfuncs(L, kColorFunctions, 0);
}

}  // namespace fluac_lua
