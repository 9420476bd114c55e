// Buttons.
#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Light_Button.H>
#include <FL/Fl_Radio_Button.H>
#include <FL/Fl_Radio_Light_Button.H>
#include <FL/Fl_Radio_Round_Button.H>
#include <FL/Fl_Repeat_Button.H>
#include <FL/Fl_Return_Button.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Toggle_Button.H>

#include <climits>

#include "classes.h"
#include "member_functions.h"

namespace fluac_lua {

namespace {

// value(): 0 or 1; any other number sets it to 1.
int value(lua_State* L) {
    return int_property<Fl_Button>(
        L, INT_MIN, INT_MAX, [](Fl_Button* b) { return b->value(); },
        [](Fl_Button* b, long long n) { b->value(static_cast<int>(n)); });
}

// shortcut: the key that activates the button.
int shortcut(lua_State* L) {
    return int_property<Fl_Button>(
        L, INT_MIN, INT_MAX, [](Fl_Button* b) { return b->shortcut(); },
        [](Fl_Button* b, long long n) { b->shortcut(static_cast<int>(n)); });
}

// setonly(): turns the other radio buttons of its group off, so it needs one
// (FLTK reads the parent's children without looking).
int setonly(lua_State* L) {
    Fl_Button* b = check_call<Fl_Button>(L, 1);
    if (!b->parent()) return luaL_error(L, "setonly: the button is in no group");
    b->setonly();
    return 0;
}

const luaL_Reg kButton[] = {
    {"value", value},
    {"down_box", down_box<Fl_Button>},
    {"shortcut", shortcut},
    FLUAC_COLOR(Fl_Button, down_color),
    // set() and clear() tell whether the value changed.
    FLUAC_GET_FLAG(Fl_Button, set),
    FLUAC_GET_FLAG(Fl_Button, clear),
    {"setonly", setonly},
    {nullptr, nullptr},
};

const WidgetClass kClasses[] = {
    bind<Fl_Button>("Fl_Button", "Fl_Widget", kButton),
    bind<Fl_Light_Button>("Fl_Light_Button", "Fl_Button", kNoMethods),
    bind<Fl_Check_Button>("Fl_Check_Button", "Fl_Light_Button", kNoMethods),
    bind<Fl_Round_Button>("Fl_Round_Button", "Fl_Light_Button", kNoMethods),
    bind<Fl_Radio_Round_Button>("Fl_Radio_Round_Button", "Fl_Round_Button", kNoMethods),
    bind<Fl_Radio_Light_Button>("Fl_Radio_Light_Button", "Fl_Light_Button", kNoMethods),
    bind<Fl_Radio_Button>("Fl_Radio_Button", "Fl_Button", kNoMethods),
    bind<Fl_Repeat_Button>("Fl_Repeat_Button", "Fl_Button", kNoMethods),
    bind<Fl_Return_Button>("Fl_Return_Button", "Fl_Button", kNoMethods),
    bind<Fl_Toggle_Button>("Fl_Toggle_Button", "Fl_Button", kNoMethods),
};

}  // namespace

std::span<const WidgetClass> button_classes() { return kClasses; }

}  // namespace fluac_lua
