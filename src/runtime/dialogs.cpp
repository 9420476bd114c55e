// fl_ask.H's dialogs and the file chooser functions, as plain functions of
// the fltk table: fltk.fl_alert("..."). Texts are passed to FLTK as "%s"
// arguments, never as its printf formats. A dialog runs FLTK's loop until
// it is answered; should a Lua callback fail meanwhile (a timer, say), the
// dialog is closed and the error comes out of the dialog's call.
#include <FL/Fl.H>
#include <FL/Fl_File_Chooser.H>
#include <FL/Fl_Widget.H>
#include <FL/Fl_Window.H>
#include <FL/fl_ask.H>

#include "api_support.h"
#include "arguments.h"
#include "callbacks.h"
#include "handles.h"

namespace fluac_lua {

namespace {

void close_dialog_on_error(void*) {
    if (!error_pending()) return;
    if (Fl_Window* dialog = Fl::modal()) dialog->hide();
}

}  // namespace

DialogScope::DialogScope() { Fl::add_check(close_dialog_on_error); }
DialogScope::~DialogScope() { Fl::remove_check(close_dialog_on_error); }

namespace {

int ask_message(lua_State* L, void (*show)(const char*, ...)) {
    check_nargs(L, 1);
    const char* text = luaL_checkstring(L, 1);
    {
        DialogScope dialog;
        show("%s", text);
    }
    raise_pending_error(L);
    return 0;
}

int fltk_fl_message(lua_State* L) { return ask_message(L, fl_message); }
int fltk_fl_alert(lua_State* L) { return ask_message(L, fl_alert); }

// fl_ask(question) -> true for yes.
int fltk_fl_ask(lua_State* L) {
    check_nargs(L, 1);
    const char* text = luaL_checkstring(L, 1);
    int r = 0;
    {
        DialogScope dialog;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
        r = fl_ask("%s", text);
#pragma GCC diagnostic pop
    }
    raise_pending_error(L);
    lua_pushboolean(L, r != 0);
    return 1;
}

// fl_choice(question, b0, b1, b2) -> the button's number; buttons may be nil.
// fl_choice_n also gives -1 to -3 when the dialog was closed otherwise.
int choice(lua_State* L, int (*ask)(const char*, const char*, const char*, const char*, ...)) {
    check_nargs(L, 4);
    const char* text = luaL_checkstring(L, 1);
    const char* b0 = opt_string_or_null(L, 2);
    const char* b1 = opt_string_or_null(L, 3);
    const char* b2 = opt_string_or_null(L, 4);
    int r = 0;
    {
        DialogScope dialog;
        r = ask("%s", b0, b1, b2, text);
    }
    raise_pending_error(L);
    lua_pushinteger(L, r);
    return 1;
}

int fltk_fl_choice(lua_State* L) { return choice(L, fl_choice); }
int fltk_fl_choice_n(lua_State* L) { return choice(L, fl_choice_n); }

// fl_input(label [, default]) -> the text, or nil when cancelled.
int input(lua_State* L, const char* (*ask)(const char*, const char*, ...)) {
    check_nargs(L, 2);
    const char* label = luaL_checkstring(L, 1);
    const char* deflt = opt_string_or_null(L, 2);
    const char* r = nullptr;
    {
        DialogScope dialog;
        r = ask("%s", deflt, label);
    }
    raise_pending_error(L);
    push_string_or_nil(L, r);
    return 1;
}

int fltk_fl_input(lua_State* L) { return input(L, fl_input); }
int fltk_fl_password(lua_State* L) { return input(L, fl_password); }

int fltk_fl_beep(lua_State* L) {
    check_nargs(L, 1);
    fl_beep(lua_isnoneornil(L, 1) ? FL_BEEP_DEFAULT
                                : static_cast<int>(check_range(L, 1, 0, FL_BEEP_NOTIFICATION)));
    return 0;
}

int fltk_fl_message_font(lua_State* L) {
    check_nargs(L, 2);
    fl_message_font(static_cast<Fl_Font>(check_font(L, 1)), check_fontsize(L, 2));
    return 0;
}

int fltk_fl_message_hotspot(lua_State* L) {
    check_nargs(L, 1);
    if (lua_gettop(L) >= 1) {
        fl_message_hotspot(check_flag(L, 1) ? 1 : 0);
        return 0;
    }
    lua_pushboolean(L, fl_message_hotspot() != 0);
    return 1;
}

// The box that shows the dialogs' icon, to change its label or look.
int fltk_fl_message_icon(lua_State* L) {
    check_nargs(L, 0);
    push_widget(L, fl_message_icon());
    return 1;
}

int fltk_fl_message_title(lua_State* L) {
    check_nargs(L, 1);
    fl_message_title(keep_string(luaL_checkstring(L, 1)));
    return 0;
}

int fltk_fl_message_title_default(lua_State* L) {
    check_nargs(L, 1);
    fl_message_title_default(keep_string(luaL_checkstring(L, 1)));
    return 0;
}

// fl_file_chooser(message, pattern, filename [, relative]) -> the chosen
// path, or nil when cancelled. FLTK's chooser keeps the texts it is given.
int fltk_fl_file_chooser(lua_State* L) {
    check_nargs(L, 4);
    const char* message = keep_string(luaL_checkstring(L, 1));
    const char* pattern = lua_isnil(L, 2) ? nullptr : keep_string(luaL_checkstring(L, 2));
    const char* fname = opt_string_or_null(L, 3);
    const int relative = lua_isnoneornil(L, 4) ? 0 : check_flag(L, 4);
    const char* r = nullptr;
    {
        DialogScope dialog;
        r = fl_file_chooser(message, pattern, fname, relative);
    }
    raise_pending_error(L);
    push_string_or_nil(L, r);
    return 1;
}

// fl_dir_chooser(message, dirname [, relative]).
int fltk_fl_dir_chooser(lua_State* L) {
    check_nargs(L, 3);
    const char* message = keep_string(luaL_checkstring(L, 1));
    const char* fname = opt_string_or_null(L, 2);
    const int relative = lua_isnoneornil(L, 3) ? 0 : check_flag(L, 3);
    const char* r = nullptr;
    {
        DialogScope dialog;
        r = fl_dir_chooser(message, fname, relative);
    }
    raise_pending_error(L);
    push_string_or_nil(L, r);
    return 1;
}

int fltk_fl_file_chooser_ok_label(lua_State* L) {
    check_nargs(L, 1);
    fl_file_chooser_ok_label(lua_isnil(L, 1) ? nullptr : keep_string(luaL_checkstring(L, 1)));
    return 0;
}

const luaL_Reg kDialogFunctions[] = {
    {"fl_message", fltk_fl_message},
    {"fl_alert", fltk_fl_alert},
    {"fl_ask", fltk_fl_ask},
    {"fl_choice", fltk_fl_choice},
    {"fl_choice_n", fltk_fl_choice_n},
    {"fl_input", fltk_fl_input},
    {"fl_password", fltk_fl_password},
    {"fl_beep", fltk_fl_beep},
    {"fl_message_font", fltk_fl_message_font},
    {"fl_message_hotspot", fltk_fl_message_hotspot},
    {"fl_message_icon", fltk_fl_message_icon},
    {"fl_message_title", fltk_fl_message_title},
    {"fl_message_title_default", fltk_fl_message_title_default},
    {"fl_file_chooser", fltk_fl_file_chooser},
    {"fl_dir_chooser", fltk_fl_dir_chooser},
    {"fl_file_chooser_ok_label", fltk_fl_file_chooser_ok_label},
    {nullptr, nullptr},
};

}  // namespace

void add_dialog_functions(lua_State* L) { luaL_setfuncs(L, kDialogFunctions, 0); }

}  // namespace fluac_lua
