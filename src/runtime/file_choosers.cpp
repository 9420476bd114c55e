// Fl_File_Chooser and Fl_Native_File_Chooser as Lua classes:
// fltk:Fl_File_Chooser(directory, pattern, type, title) and
// fltk:Fl_Native_File_Chooser([type]). Lua owns both; a chooser that is shown
// stays alive until it is hidden, even without a Lua reference.
#include <FL/Fl.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_File_Chooser.H>
#include <FL/Fl_Native_File_Chooser.H>

#include "api_support.h"
#include "arguments.h"
#include "callbacks.h"
#include "handles.h"
#include "kept_functions.h"
#include "lua_class.h"

namespace fluac_lua {

namespace {

const char kChooser[] = "Fl_File_Chooser";
const char kNative[] = "Fl_Native_File_Chooser";
// Shown choosers, kept from collection: object -> true.
const char kShown[] = "fluac.shown_choosers";

struct ChooserObject {
    Fl_File_Chooser* chooser;
};

Fl_File_Chooser* chooser(lua_State* L, int most) {
    check_nargs(L, most);
    auto* o = static_cast<ChooserObject*>(luaL_checkudata(L, 1, kChooser));
    if (!o->chooser) luaL_argerror(L, 1, "the chooser has been deleted");
    return o->chooser;
}

// Drops the choosers that were hidden since they were shown.
void forget_hidden(lua_State* L) {
    push_holder(L, kShown);
    lua_pushnil(L);
    while (lua_next(L, -2)) {
        lua_pop(L, 1);
        auto* o = static_cast<ChooserObject*>(lua_touserdata(L, -1));
        if (!o->chooser || !o->chooser->shown()) {
            lua_pushvalue(L, -1);
            lua_pushnil(L);
            lua_rawset(L, -4);
        }
    }
    lua_pop(L, 1);
}

int c_show(lua_State* L) {
    Fl_File_Chooser* c = chooser(L, 1);
    forget_hidden(L);
    push_holder(L, kShown);
    lua_pushvalue(L, 1);
    lua_pushboolean(L, 1);
    lua_rawset(L, -3);
    c->show();
    return 0;
}

int c_hide(lua_State* L) {
    chooser(L, 1)->hide();
    forget_hidden(L);
    return 0;
}

int c_shown(lua_State* L) {
    lua_pushboolean(L, chooser(L, 1)->shown() != 0);
    return 1;
}

int c_visible(lua_State* L) {
    lua_pushboolean(L, chooser(L, 1)->visible() != 0);
    return 1;
}

int c_count(lua_State* L) {
    lua_pushinteger(L, chooser(L, 1)->count());
    return 1;
}

int c_rescan(lua_State* L) {
    chooser(L, 1)->rescan();
    return 0;
}

int c_rescan_keep_filename(lua_State* L) {
    chooser(L, 1)->rescan_keep_filename();
    return 0;
}

// Texts the chooser copies, as getter-setter pairs.
#define COPIED_TEXT(NAME)                                         \
    int c_##NAME(lua_State* L) {                                  \
        Fl_File_Chooser* c = chooser(L, 2);                       \
        if (is_setter(L)) {                                       \
            c->NAME(opt_string_or_null(L, 2));                    \
            return 0;                                             \
        }                                                         \
        push_string_or_nil(L, c->NAME());                         \
        return 1;                                                 \
    }
COPIED_TEXT(directory)
COPIED_TEXT(filter)
#undef COPIED_TEXT

// Texts that become labels, which FLTK does not copy.
#define LABEL_TEXT(NAME)                                          \
    int c_##NAME(lua_State* L) {                                  \
        Fl_File_Chooser* c = chooser(L, 2);                       \
        if (is_setter(L)) {                                       \
            c->NAME(keep_string(luaL_checkstring(L, 2)));         \
            return 0;                                             \
        }                                                         \
        push_string_or_nil(L, c->NAME());                         \
        return 1;                                                 \
    }
LABEL_TEXT(label)
LABEL_TEXT(ok_label)
#undef LABEL_TEXT

// Integer settings with their ranges.
#define INT_SETTING(NAME, LOW, HIGH, TYPE)                                 \
    int c_##NAME(lua_State* L) {                                           \
        Fl_File_Chooser* c = chooser(L, 2);                                \
        if (is_setter(L)) {                                                \
            c->NAME(static_cast<TYPE>(check_range(L, 2, LOW, HIGH)));      \
            return 0;                                                      \
        }                                                                  \
        lua_pushinteger(L, static_cast<lua_Integer>(c->NAME()));          \
        return 1;                                                          \
    }
INT_SETTING(color, 0, 0xffffffffLL, Fl_Color)
INT_SETTING(textcolor, 0, 0xffffffffLL, Fl_Color)
INT_SETTING(textsize, 1, 1000, Fl_Fontsize)
INT_SETTING(iconsize, 0, 255, uchar)
INT_SETTING(type, 0, Fl_File_Chooser::MULTI | Fl_File_Chooser::CREATE | Fl_File_Chooser::DIRECTORY, int)
#undef INT_SETTING

int c_textfont(lua_State* L) {
    Fl_File_Chooser* c = chooser(L, 2);
    if (is_setter(L)) {
        c->textfont(static_cast<Fl_Font>(check_font(L, 2)));
        return 0;
    }
    lua_pushinteger(L, c->textfont());
    return 1;
}

int c_preview(lua_State* L) {
    Fl_File_Chooser* c = chooser(L, 2);
    if (is_setter(L)) {
        c->preview(check_flag(L, 2) ? 1 : 0);
        return 0;
    }
    lua_pushboolean(L, c->preview() != 0);
    return 1;
}

// filter_value(i): an index into the patterns of filter(), which are
// separated by tabs; FLTK indexes its menu of them without a check.
int c_filter_value(lua_State* L) {
    Fl_File_Chooser* c = chooser(L, 2);
    if (is_setter(L)) {
        int patterns = 0;
        if (const char* f = c->filter())
            for (patterns = 1; *f; ++f) patterns += *f == '\t';
        c->filter_value(static_cast<int>(check_range(L, 2, 0, patterns > 0 ? patterns - 1 : 0)));
        return 0;
    }
    lua_pushinteger(L, c->filter_value());
    return 1;
}

// value([i]) -> the i-th chosen file (from 1), value(path) chooses one.
int c_value(lua_State* L) {
    Fl_File_Chooser* c = chooser(L, 2);
    if (lua_type(L, 2) == LUA_TSTRING) {
        c->value(lua_tostring(L, 2));
        return 0;
    }
    const int count = c->count();
    const int i = lua_isnoneornil(L, 2) ? 1 : static_cast<int>(check_range(L, 2, 1, count > 1 ? count : 1));
    push_string_or_nil(L, count > 0 ? c->value(i) : nullptr);
    return 1;
}

// add_extra(widget or nil) -> the extra widget it replaces.
int c_add_extra(lua_State* L) {
    Fl_File_Chooser* c = chooser(L, 2);
    Fl_Widget* w = opt_widget(L, 2);
    push_widget(L, c->add_extra(w));
    return 1;
}

// user_data([value]): any Lua value, kept with the chooser.
int c_user_data(lua_State* L) {
    chooser(L, 2);
    if (is_setter(L)) {
        lua_settop(L, 2);
        lua_setiuservalue(L, 1, 2);
        return 0;
    }
    lua_getiuservalue(L, 1, 2);
    return 1;
}

// callback(fn [, data]): fn(chooser, data) when the user picks a file.
int run_chooser_callback(lua_State* L) {
    if (!push_kept(L, lua_touserdata(L, 2))) return 0;
    lua_getfield(L, LUA_REGISTRYINDEX, "fluac.chooser_objects");
    lua_rawgetp(L, -1, lua_touserdata(L, 1));
    lua_remove(L, -2);
    lua_insert(L, -2);
    lua_call(L, 2, 0);
    return 0;
}

void chooser_cb(Fl_File_Chooser* c, void* key) { call_protected(run_chooser_callback, c, key); }

int c_callback(lua_State* L) {
    Fl_File_Chooser* c = chooser(L, 3);
    lua_settop(L, 3);
    lua_newtable(L);  // a new holder: the chooser has one callback
    void* key = keep_function(L, 4, 2, 3);
    lua_setiuservalue(L, 1, 1);
    c->callback(chooser_cb, key);
    return 0;
}

int c_gc(lua_State* L) {
    auto* o = static_cast<ChooserObject*>(luaL_checkudata(L, 1, kChooser));
    delete o->chooser;
    o->chooser = nullptr;
    return 0;
}

const luaL_Reg kChooserMethods[] = {
    {"show", c_show},
    {"hide", c_hide},
    {"shown", c_shown},
    {"visible", c_visible},
    {"count", c_count},
    {"rescan", c_rescan},
    {"rescan_keep_filename", c_rescan_keep_filename},
    {"directory", c_directory},
    {"filter", c_filter},
    {"filter_value", c_filter_value},
    {"label", c_label},
    {"ok_label", c_ok_label},
    {"color", c_color},
    {"textcolor", c_textcolor},
    {"textfont", c_textfont},
    {"textsize", c_textsize},
    {"iconsize", c_iconsize},
    {"type", c_type},
    {"preview", c_preview},
    {"value", c_value},
    {"add_extra", c_add_extra},
    {"user_data", c_user_data},
    {"callback", c_callback},
    {nullptr, nullptr},
};

const luaL_Reg kChooserMeta[] = {
    {"__gc", c_gc},
    {nullptr, nullptr},
};

// fltk:Fl_File_Chooser(directory, pattern, type, title).
int construct_chooser(lua_State* L) {
    const int first = lua_istable(L, 1) ? 2 : 1;
    check_nargs(L, first + 3);
    const char* dir = opt_string_or_null(L, first);
    const char* pattern = opt_string_or_null(L, first + 1);
    const int type = static_cast<int>(check_range(
        L, first + 2, 0, Fl_File_Chooser::MULTI | Fl_File_Chooser::CREATE | Fl_File_Chooser::DIRECTORY));
    const char* title = keep_string(luaL_checkstring(L, first + 3));
    auto* o = static_cast<ChooserObject*>(lua_newuserdatauv(L, sizeof(ChooserObject), 2));
    o->chooser = nullptr;
    luaL_setmetatable(L, kChooser);
    o->chooser = new Fl_File_Chooser(dir, pattern, type, title);
    push_holder(L, "fluac.chooser_objects");
    lua_pushvalue(L, -2);
    lua_rawsetp(L, -2, o->chooser);
    lua_pop(L, 1);
    return 1;
}

// Fl_Native_File_Chooser.
struct NativeObject {
    Fl_Native_File_Chooser* chooser;
};

Fl_Native_File_Chooser* native(lua_State* L, int most) {
    check_nargs(L, most);
    auto* o = static_cast<NativeObject*>(luaL_checkudata(L, 1, kNative));
    if (!o->chooser) luaL_argerror(L, 1, "the chooser has been deleted");
    return o->chooser;
}

// show() -> 0 when the user chose, 1 when cancelled, -1 on error (errmsg()).
int n_show(lua_State* L) {
    Fl_Native_File_Chooser* c = native(L, 1);
    int r = 0;
    {
        DialogScope dialog;
        r = c->show();
    }
    raise_pending_error(L);
    lua_pushinteger(L, r);
    return 1;
}

int n_count(lua_State* L) {
    lua_pushinteger(L, native(L, 1)->count());
    return 1;
}

int n_filters(lua_State* L) {
    lua_pushinteger(L, native(L, 1)->filters());
    return 1;
}

int n_errmsg(lua_State* L) {
    push_string_or_nil(L, native(L, 1)->errmsg());
    return 1;
}

// filename([i]) -> the i-th chosen file (from 0), or nil.
int n_filename(lua_State* L) {
    Fl_Native_File_Chooser* c = native(L, 2);
    const int count = c->count();
    if (lua_isnoneornil(L, 2)) {
        push_string_or_nil(L, count > 0 ? c->filename() : nullptr);
        return 1;
    }
    const lua_Integer i = luaL_checkinteger(L, 2);
    push_string_or_nil(L, i >= 0 && i < count ? c->filename(static_cast<int>(i)) : nullptr);
    return 1;
}

#define NATIVE_TEXT(NAME)                                         \
    int n_##NAME(lua_State* L) {                                  \
        Fl_Native_File_Chooser* c = native(L, 2);                 \
        if (is_setter(L)) {                                       \
            c->NAME(opt_string_or_null(L, 2));                    \
            return 0;                                             \
        }                                                         \
        push_string_or_nil(L, c->NAME());                         \
        return 1;                                                 \
    }
NATIVE_TEXT(directory)
NATIVE_TEXT(title)
NATIVE_TEXT(filter)
NATIVE_TEXT(preset_file)
#undef NATIVE_TEXT

#define NATIVE_INT(NAME, HIGH)                                            \
    int n_##NAME(lua_State* L) {                                          \
        Fl_Native_File_Chooser* c = native(L, 2);                         \
        if (is_setter(L)) {                                               \
            c->NAME(static_cast<int>(check_range(L, 2, 0, HIGH)));        \
            return 0;                                                     \
        }                                                                 \
        lua_pushinteger(L, c->NAME());                                    \
        return 1;                                                         \
    }
NATIVE_INT(type, Fl_Native_File_Chooser::BROWSE_SAVE_DIRECTORY)
NATIVE_INT(options, 0xf)
#undef NATIVE_INT

int n_filter_value(lua_State* L) {
    Fl_Native_File_Chooser* c = native(L, 2);
    if (is_setter(L)) {
        const int last = c->filters() - 1;
        c->filter_value(static_cast<int>(check_range(L, 2, 0, last < 0 ? 0 : last)));
        return 0;
    }
    lua_pushinteger(L, c->filter_value());
    return 1;
}

int n_gc(lua_State* L) {
    auto* o = static_cast<NativeObject*>(luaL_checkudata(L, 1, kNative));
    delete o->chooser;
    o->chooser = nullptr;
    return 0;
}

const luaL_Reg kNativeMethods[] = {
    {"show", n_show},
    {"count", n_count},
    {"filename", n_filename},
    {"filters", n_filters},
    {"filter_value", n_filter_value},
    {"errmsg", n_errmsg},
    {"directory", n_directory},
    {"title", n_title},
    {"filter", n_filter},
    {"preset_file", n_preset_file},
    {"type", n_type},
    {"options", n_options},
    {nullptr, nullptr},
};

const luaL_Reg kNativeMeta[] = {
    {"__gc", n_gc},
    {nullptr, nullptr},
};

// fltk:Fl_Native_File_Chooser([type]).
int construct_native(lua_State* L) {
    const int first = lua_istable(L, 1) ? 2 : 1;
    check_nargs(L, first);
    const int type = lua_isnoneornil(L, first)
                         ? Fl_Native_File_Chooser::BROWSE_FILE
                         : static_cast<int>(check_range(L, first, 0, Fl_Native_File_Chooser::BROWSE_SAVE_DIRECTORY));
    auto* o = static_cast<NativeObject*>(lua_newuserdatauv(L, sizeof(NativeObject), 0));
    o->chooser = nullptr;
    luaL_setmetatable(L, kNative);
    o->chooser = new Fl_Native_File_Chooser(type);
    return 1;
}

struct Constant {
    const char* name;
    int value;
};

void set_global_constants(lua_State* L, const char* table, const Constant* constants, size_t n) {
    lua_createtable(L, 0, static_cast<int>(n));
    for (size_t i = 0; i < n; ++i) {
        lua_pushinteger(L, constants[i].value);
        lua_setfield(L, -2, constants[i].name);
    }
    lua_setglobal(L, table);
}

}  // namespace

void open_file_choosers(lua_State* L) {
    define_class(L, {kChooser, nullptr, kChooserMethods, kChooserMeta});
    define_class(L, {kNative, nullptr, kNativeMethods, kNativeMeta});
    push_holder(L, "fluac.chooser_objects");
    lua_createtable(L, 0, 1);
    lua_pushliteral(L, "v");
    lua_setfield(L, -2, "__mode");
    lua_setmetatable(L, -2);
    lua_pop(L, 1);
    lua_pushcfunction(L, construct_chooser);
    lua_setfield(L, -2, kChooser);
    lua_pushcfunction(L, construct_native);
    lua_setfield(L, -2, kNative);

    const Constant chooser[] = {
        {"SINGLE", Fl_File_Chooser::SINGLE},
        {"MULTI", Fl_File_Chooser::MULTI},
        {"CREATE", Fl_File_Chooser::CREATE},
        {"DIRECTORY", Fl_File_Chooser::DIRECTORY},
    };
    set_global_constants(L, kChooser, chooser, sizeof chooser / sizeof chooser[0]);
    const Constant native[] = {
        {"BROWSE_FILE", Fl_Native_File_Chooser::BROWSE_FILE},
        {"BROWSE_DIRECTORY", Fl_Native_File_Chooser::BROWSE_DIRECTORY},
        {"BROWSE_MULTI_FILE", Fl_Native_File_Chooser::BROWSE_MULTI_FILE},
        {"BROWSE_MULTI_DIRECTORY", Fl_Native_File_Chooser::BROWSE_MULTI_DIRECTORY},
        {"BROWSE_SAVE_FILE", Fl_Native_File_Chooser::BROWSE_SAVE_FILE},
        {"BROWSE_SAVE_DIRECTORY", Fl_Native_File_Chooser::BROWSE_SAVE_DIRECTORY},
        {"NO_OPTIONS", Fl_Native_File_Chooser::NO_OPTIONS},
        {"SAVEAS_CONFIRM", Fl_Native_File_Chooser::SAVEAS_CONFIRM},
        {"NEW_FOLDER", Fl_Native_File_Chooser::NEW_FOLDER},
        {"PREVIEW", Fl_Native_File_Chooser::PREVIEW},
        {"USE_FILTER_EXT", Fl_Native_File_Chooser::USE_FILTER_EXT},
    };
    set_global_constants(L, kNative, native, sizeof native / sizeof native[0]);
}

}  // namespace fluac_lua
