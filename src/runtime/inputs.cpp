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
#include "display.h"
#include "member_functions.h"
#include "menu_entries.h"

namespace fluac_lua {

namespace {

lua_Integer check_length(lua_State* L, size_t len, int idx) {
    luaL_argcheck(L, len <= INT_MAX, idx, "the text is too long");
    return static_cast<lua_Integer>(len);
}

// value(): the text, NUL bytes included.
template <class T>
int value(lua_State* L) {
    T* in = check_call<T>(L, 2);
    if (!is_setter(L)) {
        lua_pushlstring(L, in->value(), static_cast<size_t>(in->size()));
        return 1;
    }
    size_t len = 0;
    const char* text = luaL_checklstring(L, 2, &len);
    in->value(text, static_cast<int>(check_length(L, len, 2)));
    return 0;
}

// static_value(text): FLTK shows the text without copying it, so the
// widget's data keeps it.
int static_value(lua_State* L) {
    Fl_Input_* in = check_call<Fl_Input_>(L, 2);
    size_t len = 0;
    luaL_checklstring(L, 2, &len);
    const auto n = static_cast<int>(check_length(L, len, 2));
    lua_pushboolean(L, in->static_value(keep_with_widget(L, in, "static_value", 2), n));
    return 1;
}

// size(): the length of the text; size(w, h) is the widget's.
int size(lua_State* L) {
    Fl_Input_* in = check_call<Fl_Input_>(L, 3);
    if (lua_gettop(L) <= 1) {
        lua_pushinteger(L, in->size());
        return 1;
    }
    const int w = check_coordinate(L, 2), h = check_coordinate(L, 3);
    in->size(w, h);
    return 0;
}

// Places in the text, which FLTK brings within 0..size().
int check_place(lua_State* L, int idx) { return static_cast<int>(check_range(L, idx, INT_MIN / 2, INT_MAX / 2)); }

// position() and mark(); position(p [, m]) and mark(m) move them and tell
// whether anything changed.
int position(lua_State* L) {
    Fl_Input_* in = check_call<Fl_Input_>(L, 3);
    if (!is_setter(L)) {
        lua_pushinteger(L, in->position());
        return 1;
    }
    const int p = check_place(L, 2);
    lua_pushboolean(L, in->position(p, lua_isnoneornil(L, 3) ? p : check_place(L, 3)));
    return 1;
}

int mark(lua_State* L) {
    Fl_Input_* in = check_call<Fl_Input_>(L, 2);
    if (!is_setter(L)) {
        lua_pushinteger(L, in->mark());
        return 1;
    }
    lua_pushboolean(L, in->mark(check_place(L, 2)));
    return 1;
}

// replace(b, e, text), insert(text), cut(), cut(n), cut(a, b): edits that
// undo() takes back; each tells whether the text changed.
int replace(lua_State* L) {
    Fl_Input_* in = check_call<Fl_Input_>(L, 4);
    const int b = check_place(L, 2), e = check_place(L, 3);
    size_t len = 0;
    const char* text = luaL_checklstring(L, 4, &len);
    const auto n = static_cast<int>(check_length(L, len, 4));
    lua_pushboolean(L, in->replace(b, e, text, n));
    return 1;
}

int insert(lua_State* L) {
    Fl_Input_* in = check_call<Fl_Input_>(L, 2);
    size_t len = 0;
    const char* text = luaL_checklstring(L, 2, &len);
    const auto n = static_cast<int>(check_length(L, len, 2));
    lua_pushboolean(L, in->insert(text, n));
    return 1;
}

int cut(lua_State* L) {
    Fl_Input_* in = check_call<Fl_Input_>(L, 3);
    int changed = 0;
    if (lua_gettop(L) <= 1)
        changed = in->cut();
    else if (lua_gettop(L) == 2)
        changed = in->cut(check_place(L, 2));
    else
        changed = in->cut(check_place(L, 2), check_place(L, 3));
    lua_pushboolean(L, changed);
    return 1;
}

// copy(clipboard) and copy_cuts(): to the selection (0) or the clipboard (1).
int copy(lua_State* L) {
    Fl_Input_* in = check_call<Fl_Input_>(L, 2);
    const auto clipboard = static_cast<int>(check_range(L, 2, 0, 1));
    need_display(L);
    lua_pushboolean(L, in->copy(clipboard));
    return 1;
}

int copy_cuts(lua_State* L) {
    Fl_Input_* in = check_call<Fl_Input_>(L, 1);
    need_display(L);
    lua_pushboolean(L, in->copy_cuts());
    return 1;
}

// index(i): the character starting at byte i, which must be in the text.
int index(lua_State* L) {
    Fl_Input_* in = check_call<Fl_Input_>(L, 2);
    const long long i = check_range(L, 2, 0, INT_MAX);
    if (i >= in->size()) return luaL_argerror(L, 2, "past the end of the text");
    lua_pushinteger(L, in->index(static_cast<int>(i)));
    return 1;
}

// shortcut: the key that focuses the input.
int shortcut(lua_State* L) {
    return int_property<Fl_Input_>(
        L, INT_MIN, INT_MAX, [](Fl_Input_* in) { return in->shortcut(); },
        [](Fl_Input_* in, long long n) { in->shortcut(static_cast<int>(n)); });
}

const luaL_Reg kInput[] = {
    {"value", value<Fl_Input_>},
    FLUAC_TEXT_STYLE(Fl_Input_),
    {"shortcut", shortcut},
    {"static_value", static_value},
    {"size", size},
    {"position", position},
    {"mark", mark},
    {"replace", replace},
    {"insert", insert},
    {"cut", cut},
    {"copy", copy},
    {"copy_cuts", copy_cuts},
    {"index", index},
    FLUAC_GET_FLAG(Fl_Input_, undo),
    FLUAC_COLOR(Fl_Input_, cursor_color),
    FLUAC_INT(Fl_Input_, input_type, 0, FL_INPUT_TYPE),
    FLUAC_INT(Fl_Input_, maximum_size, 0, INT_MAX),
    FLUAC_FLAG(Fl_Input_, readonly),
    FLUAC_FLAG(Fl_Input_, wrap),
    FLUAC_FLAG(Fl_Input_, tab_nav),
    {nullptr, nullptr},
};

const luaL_Reg kFileInput[] = {
    {"value", value<Fl_File_Input>},
    {"down_box", down_box<Fl_File_Input>},
    FLUAC_COLOR(Fl_File_Input, errorcolor),
    {nullptr, nullptr},
};

const WidgetClass kClasses[] = {
    bind<Fl_Input_>("Fl_Input_", "Fl_Widget", kInput),
    bind<Fl_Input>("Fl_Input", "Fl_Input_", kNoMethods),
    bind<Fl_Float_Input>("Fl_Float_Input", "Fl_Input", kNoMethods),
    bind<Fl_Int_Input>("Fl_Int_Input", "Fl_Input", kNoMethods),
    bind<Fl_Multiline_Input>("Fl_Multiline_Input", "Fl_Input", kNoMethods),
    bind<Fl_Secret_Input>("Fl_Secret_Input", "Fl_Input", kNoMethods),
    bind<Fl_File_Input>("Fl_File_Input", "Fl_Input", kFileInput),
    bind<Fl_Output>("Fl_Output", "Fl_Input", kNoMethods),
    bind<Fl_Multiline_Output>("Fl_Multiline_Output", "Fl_Output", kNoMethods),
    bind<Fl_Input_Choice>("Fl_Input_Choice", "Fl_Group", kInputChoiceMethods),
};

}  // namespace

std::span<const WidgetClass> input_classes() { return kClasses; }

}  // namespace fluac_lua
