#include "constants.h"

#include <FL/Enumerations.H>
#include <FL/Fl_Menu_Item.H>

#include <span>

namespace fluac_lua {

namespace {

struct Constant {
    const char* name;
    long long value;
};

// Several of these are macros that define the box or label type on first
// use, so the tables are built at run time, once.
#define C(NAME) {#NAME, static_cast<long long>(NAME)}

std::span<const Constant> box_types() {
    static const Constant constants[] = {
        C(FL_NO_BOX), C(FL_FLAT_BOX), C(FL_UP_BOX), C(FL_DOWN_BOX), C(FL_UP_FRAME),
        C(FL_DOWN_FRAME), C(FL_THIN_UP_BOX), C(FL_THIN_DOWN_BOX), C(FL_THIN_UP_FRAME),
        C(FL_THIN_DOWN_FRAME), C(FL_ENGRAVED_BOX), C(FL_EMBOSSED_BOX), C(FL_ENGRAVED_FRAME),
        C(FL_EMBOSSED_FRAME), C(FL_BORDER_BOX), C(FL_SHADOW_BOX), C(FL_BORDER_FRAME),
        C(FL_SHADOW_FRAME), C(FL_ROUNDED_BOX), C(FL_RSHADOW_BOX), C(FL_ROUNDED_FRAME),
        C(FL_RFLAT_BOX), C(FL_ROUND_UP_BOX), C(FL_ROUND_DOWN_BOX), C(FL_DIAMOND_UP_BOX),
        C(FL_DIAMOND_DOWN_BOX), C(FL_OVAL_BOX), C(FL_OSHADOW_BOX), C(FL_OVAL_FRAME),
        C(FL_OFLAT_BOX), C(FL_PLASTIC_UP_BOX), C(FL_PLASTIC_DOWN_BOX), C(FL_PLASTIC_UP_FRAME),
        C(FL_PLASTIC_DOWN_FRAME), C(FL_PLASTIC_THIN_UP_BOX), C(FL_PLASTIC_THIN_DOWN_BOX),
        C(FL_PLASTIC_ROUND_UP_BOX), C(FL_PLASTIC_ROUND_DOWN_BOX), C(FL_GTK_UP_BOX),
        C(FL_GTK_DOWN_BOX), C(FL_GTK_UP_FRAME), C(FL_GTK_DOWN_FRAME), C(FL_GTK_THIN_UP_BOX),
        C(FL_GTK_THIN_DOWN_BOX), C(FL_GTK_THIN_UP_FRAME), C(FL_GTK_THIN_DOWN_FRAME),
        C(FL_GTK_ROUND_UP_BOX), C(FL_GTK_ROUND_DOWN_BOX), C(FL_GLEAM_UP_BOX),
        C(FL_GLEAM_DOWN_BOX), C(FL_GLEAM_UP_FRAME), C(FL_GLEAM_DOWN_FRAME),
        C(FL_GLEAM_THIN_UP_BOX), C(FL_GLEAM_THIN_DOWN_BOX), C(FL_GLEAM_ROUND_UP_BOX),
        C(FL_GLEAM_ROUND_DOWN_BOX), C(FL_FREE_BOXTYPE), C(FL_FRAME), C(FL_FRAME_BOX),
        C(FL_CIRCLE_BOX), C(FL_DIAMOND_BOX),
    };
    return constants;
}

std::span<const Constant> label_types() {
    static const Constant constants[] = {
        C(FL_NORMAL_LABEL), C(FL_NO_LABEL), C(FL_SHADOW_LABEL), C(FL_ENGRAVED_LABEL),
        C(FL_EMBOSSED_LABEL), C(FL_SYMBOL_LABEL), C(FL_FREE_LABELTYPE),
    };
    return constants;
}

std::span<const Constant> others() {
    static const Constant constants[] = {
        // Events
        C(FL_NO_EVENT), C(FL_PUSH), C(FL_RELEASE), C(FL_ENTER), C(FL_LEAVE), C(FL_DRAG),
        C(FL_FOCUS), C(FL_UNFOCUS), C(FL_KEYDOWN), C(FL_KEYBOARD), C(FL_KEYUP), C(FL_CLOSE),
        C(FL_MOVE), C(FL_SHORTCUT),
        // Modifiers and keys
        C(FL_SHIFT), C(FL_CTRL), C(FL_ALT), C(FL_META), C(FL_Enter), C(FL_Escape), C(FL_F),
        // Menu entry flags
        C(FL_MENU_INACTIVE), C(FL_MENU_TOGGLE), C(FL_MENU_VALUE), C(FL_MENU_RADIO),
        C(FL_MENU_INVISIBLE), C(FL_SUBMENU), C(FL_MENU_DIVIDER),
        // Alignment and callback conditions
        C(FL_ALIGN_CENTER), C(FL_ALIGN_TOP), C(FL_ALIGN_BOTTOM), C(FL_ALIGN_LEFT),
        C(FL_ALIGN_RIGHT), C(FL_ALIGN_INSIDE), C(FL_ALIGN_CLIP), C(FL_ALIGN_WRAP),
        C(FL_WHEN_NEVER), C(FL_WHEN_CHANGED), C(FL_WHEN_RELEASE), C(FL_WHEN_RELEASE_ALWAYS),
        C(FL_WHEN_ENTER_KEY), C(FL_WHEN_ENTER_KEY_ALWAYS),
    };
    return constants;
}
#undef C

// The first name the table gives the value (FL_FRAME is FL_ENGRAVED_FRAME's
// second name).
const char* name_of(std::span<const Constant> table, long long value) {
    for (const Constant& c : table)
        if (c.value == value) return c.name;
    return nullptr;
}

}  // namespace

void add_constants(lua_State* L) {
    for (auto table : {box_types(), label_types(), others()}) {
        for (const Constant& c : table) {
            lua_pushinteger(L, static_cast<lua_Integer>(c.value));
            lua_setfield(L, -2, c.name);
        }
    }
}

const char* box_type_name(long long value) { return name_of(box_types(), value); }
const char* label_type_name(long long value) { return name_of(label_types(), value); }

}  // namespace fluac_lua
