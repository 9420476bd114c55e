// Fl_Preferences as a Lua class: fltk:Fl_Preferences(Fl_Preferences.USER,
// vendor, application), fltk:Fl_Preferences(directory, vendor, application)
// or fltk:Fl_Preferences(parent, group name or index).
//
// A C++ group object points into its root's tree, where deleteGroup() or
// clear() may free its node while the object lives on. A Lua group object
// therefore keeps its root and its path instead, and finds its node again
// for each call (making the group anew if it was deleted, as the C++
// constructor would).
#include <FL/Fl_Preferences.H>
#include <FL/filename.H>

#include <cstdlib>
#include <string>

#include "api_support.h"
#include "arguments.h"
#include "lua_class.h"

namespace fluac_lua {

namespace {

const char kClass[] = "Fl_Preferences";

// A root holds its C++ object; a group holds null, with its root object as
// user value 1 and its path below the root as user value 2.
struct PrefsObject {
    Fl_Preferences* root;
};

PrefsObject* check_object(lua_State* L, int idx) {
    return static_cast<PrefsObject*>(luaL_checkudata(L, idx, kClass));
}

// The root object of the object at idx (itself for a root), and the group
// path ("" for a root). Leaves the stack as it was.
Fl_Preferences* root_of(lua_State* L, int idx, std::string& path) {
    PrefsObject* o = check_object(L, idx);
    path.clear();
    if (o->root) return o->root;
    lua_getiuservalue(L, idx, 1);
    Fl_Preferences* root = check_object(L, -1)->root;
    lua_getiuservalue(L, idx, 2);
    path = lua_tostring(L, -1);
    lua_pop(L, 2);
    if (!root) luaL_argerror(L, idx, "the preferences have been deleted");
    return root;
}

// Runs f on the C++ preferences of the object at argument 1. Arguments are
// checked before, since a Lua error must not pass a C++ object.
template <class F>
int with_prefs(lua_State* L, F&& f) {
    std::string path;
    Fl_Preferences* root = root_of(L, 1, path);
    if (path.empty()) return f(*root);
    Fl_Preferences group(root, path.c_str());
    return f(group);
}

int push_flag(lua_State* L, char r) {
    lua_pushboolean(L, r != 0);
    return 1;
}

int p_name(lua_State* L) {
    check_nargs(L, 1);
    return with_prefs(L, [&](Fl_Preferences& p) {
        push_string_or_nil(L, p.name());
        return 1;
    });
}

int p_path(lua_State* L) {
    check_nargs(L, 1);
    return with_prefs(L, [&](Fl_Preferences& p) {
        push_string_or_nil(L, p.path());
        return 1;
    });
}

int p_groups(lua_State* L) {
    check_nargs(L, 1);
    return with_prefs(L, [&](Fl_Preferences& p) {
        lua_pushinteger(L, p.groups());
        return 1;
    });
}

int p_entries(lua_State* L) {
    check_nargs(L, 1);
    return with_prefs(L, [&](Fl_Preferences& p) {
        lua_pushinteger(L, p.entries());
        return 1;
    });
}

// group(i) and entry(i): FLTK indexes its arrays without checks, so an index
// past the end gives nil.
int p_group(lua_State* L) {
    check_nargs(L, 2);
    const lua_Integer i = luaL_checkinteger(L, 2);
    return with_prefs(L, [&](Fl_Preferences& p) {
        push_string_or_nil(L, i >= 0 && i < p.groups() ? p.group(static_cast<int>(i)) : nullptr);
        return 1;
    });
}

int p_entry(lua_State* L) {
    check_nargs(L, 2);
    const lua_Integer i = luaL_checkinteger(L, 2);
    return with_prefs(L, [&](Fl_Preferences& p) {
        push_string_or_nil(L, i >= 0 && i < p.entries() ? p.entry(static_cast<int>(i)) : nullptr);
        return 1;
    });
}

#define NAME_METHOD(NAME)                                                   \
    int p_##NAME(lua_State* L) {                                            \
        check_nargs(L, 2);                                                  \
        const char* key = luaL_checkstring(L, 2);                           \
        return with_prefs(L, [&](Fl_Preferences& p) { return push_flag(L, p.NAME(key)); }); \
    }
NAME_METHOD(groupExists)
NAME_METHOD(deleteGroup)
NAME_METHOD(entryExists)
NAME_METHOD(deleteEntry)
#undef NAME_METHOD

#define ALL_METHOD(NAME)                                                    \
    int p_##NAME(lua_State* L) {                                            \
        check_nargs(L, 1);                                                  \
        return with_prefs(L, [&](Fl_Preferences& p) { return push_flag(L, p.NAME()); }); \
    }
ALL_METHOD(deleteAllGroups)
ALL_METHOD(deleteAllEntries)
ALL_METHOD(clear)
#undef ALL_METHOD

// set(entry, value [, precision]): an integer, a number or a string.
int p_set(lua_State* L) {
    check_nargs(L, 4);
    const char* entry = luaL_checkstring(L, 2);
    luaL_checkany(L, 3);
    if (lua_isinteger(L, 3)) {
        const int v = check_int(L, 3);
        check_nargs(L, 3);
        return with_prefs(L, [&](Fl_Preferences& p) { return push_flag(L, p.set(entry, v)); });
    }
    if (lua_type(L, 3) == LUA_TNUMBER) {
        const double v = lua_tonumber(L, 3);
        const int precision = lua_isnoneornil(L, 4) ? -1 : static_cast<int>(check_range(L, 4, 0, 17));
        return with_prefs(L, [&](Fl_Preferences& p) {
            return push_flag(L, precision < 0 ? p.set(entry, v) : p.set(entry, v, precision));
        });
    }
    if (lua_type(L, 3) != LUA_TSTRING) return luaL_typeerror(L, 3, "integer, number or string");
    const char* v = lua_tostring(L, 3);
    check_nargs(L, 3);
    return with_prefs(L, [&](Fl_Preferences& p) { return push_flag(L, p.set(entry, v)); });
}

// get(entry, default) -> found, value; the default's type (integer, number,
// string) is the type read.
int p_get(lua_State* L) {
    check_nargs(L, 3);
    const char* entry = luaL_checkstring(L, 2);
    luaL_checkany(L, 3);
    if (lua_isinteger(L, 3)) {
        const int deflt = check_int(L, 3);
        int v = 0;
        const char r = with_prefs(L, [&](Fl_Preferences& p) { return int(p.get(entry, v, deflt)); });
        lua_pushboolean(L, r != 0);
        lua_pushinteger(L, v);
        return 2;
    }
    if (lua_type(L, 3) == LUA_TNUMBER) {
        const double deflt = lua_tonumber(L, 3);
        double v = 0;
        const char r = with_prefs(L, [&](Fl_Preferences& p) { return int(p.get(entry, v, deflt)); });
        lua_pushboolean(L, r != 0);
        lua_pushnumber(L, v);
        return 2;
    }
    if (lua_type(L, 3) != LUA_TSTRING) return luaL_typeerror(L, 3, "integer, number or string");
    const char* deflt = lua_tostring(L, 3);
    std::string value;
    const char r = with_prefs(L, [&](Fl_Preferences& p) {
        char* v = nullptr;
        const char found = p.get(entry, v, deflt);
        if (v) value = v;
        free(v);
        return int(found);
    });
    lua_pushboolean(L, r != 0);
    lua_pushlstring(L, value.data(), value.size());
    return 2;
}

int p_size(lua_State* L) {
    check_nargs(L, 2);
    const char* entry = luaL_checkstring(L, 2);
    return with_prefs(L, [&](Fl_Preferences& p) {
        lua_pushinteger(L, p.size(entry));
        return 1;
    });
}

// getUserdataPath() -> a directory for the application's own files, or nil.
int p_getUserdataPath(lua_State* L) {
    check_nargs(L, 1);
    char path[FL_PATH_MAX];
    const char r = with_prefs(L, [&](Fl_Preferences& p) { return int(p.getUserdataPath(path, sizeof path)); });
    push_string_or_nil(L, r ? path : nullptr);
    return 1;
}

int p_flush(lua_State* L) {
    check_nargs(L, 1);
    return with_prefs(L, [&](Fl_Preferences& p) {
        p.flush();
        return 0;
    });
}

// A root writes its file when deleted, if it changed.
int p_gc(lua_State* L) {
    PrefsObject* o = check_object(L, 1);
    delete o->root;
    o->root = nullptr;
    return 0;
}

const luaL_Reg kMethods[] = {
    {"name", p_name},
    {"path", p_path},
    {"groups", p_groups},
    {"group", p_group},
    {"groupExists", p_groupExists},
    {"deleteGroup", p_deleteGroup},
    {"deleteAllGroups", p_deleteAllGroups},
    {"entries", p_entries},
    {"entry", p_entry},
    {"entryExists", p_entryExists},
    {"deleteEntry", p_deleteEntry},
    {"deleteAllEntries", p_deleteAllEntries},
    {"clear", p_clear},
    {"set", p_set},
    {"get", p_get},
    {"size", p_size},
    {"getUserdataPath", p_getUserdataPath},
    {"flush", p_flush},
    {nullptr, nullptr},
};

const luaL_Reg kMetamethods[] = {
    {"__gc", p_gc},
    {nullptr, nullptr},
};

int construct(lua_State* L) {
    const int first = lua_istable(L, 1) ? 2 : 1;
    check_nargs(L, first + 2);
    if (luaL_testudata(L, first, kClass)) {
        // A group of a root or of another group.
        check_nargs(L, first + 1);
        std::string parent_path;
        root_of(L, first, parent_path);
        std::string name;
        if (lua_isinteger(L, first + 1)) {
            const lua_Integer i = lua_tointeger(L, first + 1);
            lua_pushcfunction(L, p_group);
            lua_pushvalue(L, first);
            lua_pushinteger(L, i);
            lua_call(L, 2, 1);
            if (lua_isnil(L, -1)) return luaL_argerror(L, first + 1, "no group at that index");
            name = lua_tostring(L, -1);
        } else {
            name = luaL_checkstring(L, first + 1);
            if (name.empty()) return luaL_argerror(L, first + 1, "a group name is needed");
        }
        auto* o = static_cast<PrefsObject*>(lua_newuserdatauv(L, sizeof(PrefsObject), 2));
        o->root = nullptr;
        luaL_setmetatable(L, kClass);
        // The root object, and the path below it.
        PrefsObject* parent = check_object(L, first);
        if (parent->root) lua_pushvalue(L, first);
        else lua_getiuservalue(L, first, 1);
        lua_setiuservalue(L, -2, 1);
        const std::string path = parent_path.empty() ? name : parent_path + "/" + name;
        lua_pushlstring(L, path.data(), path.size());
        lua_setiuservalue(L, -2, 2);
        // Made now, as C++ makes it.
        lua_pushcfunction(L, p_name);
        lua_pushvalue(L, -2);
        lua_call(L, 1, 0);
        return 1;
    }
    const char* vendor = luaL_checkstring(L, first + 1);
    const char* application = luaL_checkstring(L, first + 2);
    auto* o = static_cast<PrefsObject*>(lua_newuserdatauv(L, sizeof(PrefsObject), 2));
    o->root = nullptr;
    luaL_setmetatable(L, kClass);
    if (lua_type(L, first) == LUA_TSTRING) {
        o->root = new Fl_Preferences(lua_tostring(L, first), vendor, application);
    } else {
        const auto root = static_cast<Fl_Preferences::Root>(
            check_range(L, first, Fl_Preferences::SYSTEM, Fl_Preferences::USER));
        o->root = new Fl_Preferences(root, vendor, application);
    }
    return 1;
}

int new_uuid(lua_State* L) {
    check_nargs(L, 1);
    lua_pushstring(L, Fl_Preferences::newUUID());
    return 1;
}

}  // namespace

void with_preferences(lua_State* L, int idx, void (*f)(Fl_Preferences& prefs, void* data), void* data) {
    std::string path;
    Fl_Preferences* root = root_of(L, idx, path);
    if (path.empty()) return f(*root, data);
    Fl_Preferences group(root, path.c_str());
    f(group, data);
}

void open_preferences(lua_State* L) {
    define_class(L, {kClass, nullptr, kMethods, kMetamethods});
    lua_pushcfunction(L, construct);
    lua_setfield(L, -2, kClass);
    // Fl_Preferences.SYSTEM, .USER and .newUUID().
    lua_createtable(L, 0, 3);
    lua_pushinteger(L, Fl_Preferences::SYSTEM);
    lua_setfield(L, -2, "SYSTEM");
    lua_pushinteger(L, Fl_Preferences::USER);
    lua_setfield(L, -2, "USER");
    lua_pushcfunction(L, new_uuid);
    lua_setfield(L, -2, "newUUID");
    lua_setglobal(L, kClass);
}

}  // namespace fluac_lua
