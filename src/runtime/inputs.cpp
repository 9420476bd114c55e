// Text inputs and outputs.
#include <FL/Fl_File_Input.H>
#include <FL/Fl_Float_Input.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Input_.H>
#include <FL/Fl_Input_Choice.H>
#include <FL/Fl_Int_Input.H>
#include <FL/Fl_Multiline_Input.H>
#include <FL/Fl_Multiline_Output.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Secret_Input.H>

#include <climits>

#include "classes.h"
#include "menu_entries.h"
#include "methods.h"

namespace fluac_lua {

namespace {

// value(): the text, NUL bytes included.
int value(lua_State* L) {
    Fl_Input_* in = check_self<Fl_Input_>(L);
    check_nargs(L, 2);
    if (!is_setter(L)) {
        lua_pushlstring(L, in->value(), static_cast<size_t>(in->size()));
        return 1;
    }
    size_t len = 0;
    const char* text = luaL_checklstring(L, 2, &len);
    luaL_argcheck(L, len <= INT_MAX, 2, "the text is too long");
    in->value(text, static_cast<int>(len));
    return 0;
}

// shortcut: the key that focuses the input.
int shortcut(lua_State* L) {
    return int_property<Fl_Input_>(
        L, INT_MIN, INT_MAX, [](Fl_Input_* in) { return in->shortcut(); },
        [](Fl_Input_* in, long long n) { in->shortcut(static_cast<int>(n)); });
}

int choice_value(lua_State* L) {
    Fl_Input_Choice* ic = check_self<Fl_Input_Choice>(L);
    check_nargs(L, 2);
    if (!is_setter(L)) {
        lua_pushstring(L, ic->value());
        return 1;
    }
    ic->value(luaL_checkstring(L, 2));
    return 0;
}

// add, menu and down_box: those of the input choice's menu button.
int choice_add(lua_State* L) {
    return menu_add(L, check_self<Fl_Input_Choice>(L)->menubutton());
}

const luaL_Reg kInput[] = {
    {"value", value},
    FLUAC_TEXT_STYLE(Fl_Input_),
    {"shortcut", shortcut},
    {nullptr, nullptr},
};

const luaL_Reg kInputChoice[] = {
    {"value", choice_value},
    {"add", choice_add},
    {"menu", menu_array},
    {"down_box", down_box<Fl_Input_Choice>},
    FLUAC_TEXT_STYLE(Fl_Input_Choice),
    {nullptr, nullptr},
};

const WidgetClass kClasses[] = {
    bind<Fl_Input_>("Fl_Input_", "Fl_Widget", kInput),
    bind<Fl_Input>("Fl_Input", "Fl_Input_", kNoMethods),
    bind<Fl_Float_Input>("Fl_Float_Input", "Fl_Input", kNoMethods),
    bind<Fl_Int_Input>("Fl_Int_Input", "Fl_Input", kNoMethods),
    bind<Fl_Multiline_Input>("Fl_Multiline_Input", "Fl_Input", kNoMethods),
    bind<Fl_Secret_Input>("Fl_Secret_Input", "Fl_Input", kNoMethods),
    bind<Fl_File_Input>("Fl_File_Input", "Fl_Input", kNoMethods),
    bind<Fl_Output>("Fl_Output", "Fl_Input", kNoMethods),
    bind<Fl_Multiline_Output>("Fl_Multiline_Output", "Fl_Output", kNoMethods),
    bind<Fl_Input_Choice>("Fl_Input_Choice", "Fl_Group", kInputChoice),
};

}  // namespace

std::span<const WidgetClass> input_classes() { return kClasses; }

}  // namespace fluac_lua
