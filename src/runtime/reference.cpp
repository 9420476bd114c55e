#include "reference.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "binding.h"
#include "classes.h"

namespace fluac_lua {

namespace {

struct Entry {
    std::string kind;    // "widget", "class" or "table"
    std::string parent;  // the class whose methods a class inherits
    std::vector<std::string> methods, constructors, functions, constants;
};

// Classes whose registry name is not the one scripts know.
const char* shown_name(const std::string& name) {
    return name == "fluac.image" ? "Fl_Shared_Image" : name.c_str();
}

std::set<std::string> string_keys(lua_State* L, int idx) {
    std::set<std::string> keys;
    idx = lua_absindex(L, idx);
    lua_pushnil(L);
    while (lua_next(L, idx)) {
        if (lua_type(L, -2) == LUA_TSTRING) keys.insert(lua_tostring(L, -2));
        lua_pop(L, 1);
    }
    return keys;
}

// Pushes the method table of the metatable on top: its __index, or the
// table that an __index function holds as its upvalue. False (nothing
// pushed) for a metatable without one.
bool push_method_table(lua_State* L) {
    const int top = lua_gettop(L);
    const int type = lua_getfield(L, -1, "__index");
    if (type == LUA_TTABLE) return true;
    if (type == LUA_TFUNCTION && lua_getupvalue(L, -1, 1) && lua_istable(L, -1)) {
        lua_remove(L, -2);
        return true;
    }
    lua_settop(L, top);
    return false;
}

// Sorts the table's own functions (and, for a global table, its numbers)
// into the entry.
void add_members(lua_State* L, int idx, Entry& e, bool global, bool constructors) {
    idx = lua_absindex(L, idx);
    lua_pushnil(L);
    while (lua_next(L, idx)) {
        if (lua_type(L, -2) == LUA_TSTRING) {
            std::string name = lua_tostring(L, -2);
            if (lua_isfunction(L, -1)) {
                if (!global) e.methods.push_back(name);
                else if (constructors && name.compare(0, 3, "Fl_") == 0) e.constructors.push_back(name);
                else e.functions.push_back(name);
            } else if (global && lua_type(L, -1) == LUA_TNUMBER) {
                e.constants.push_back(name);
            }
        }
        lua_pop(L, 1);
    }
}

void print_list(FILE* out, const char* label, std::vector<std::string>& names) {
    if (names.empty()) return;
    std::sort(names.begin(), names.end());
    std::fprintf(out, "  %s:", label);
    for (const std::string& n : names) std::fprintf(out, " %s", n.c_str());
    std::fputc('\n', out);
}

}  // namespace

int print_reference(FILE* out) {
    lua_State* L = luaL_newstate();
    if (!L) return 1;
    luaL_openlibs(L);
    const std::set<std::string> registry_before = string_keys(L, LUA_REGISTRYINDEX);
    lua_pushglobaltable(L);
    const std::set<std::string> globals_before = string_keys(L, -1);
    lua_pop(L, 1);
    open_binding(L);

    std::map<std::string, Entry> entries;
    std::map<const void*, std::string> class_of_methods;
    // Classes: the metatables the binding registered.
    for (const std::string& key : string_keys(L, LUA_REGISTRYINDEX)) {
        if (registry_before.count(key)) continue;
        lua_getfield(L, LUA_REGISTRYINDEX, key.c_str());
        if (lua_istable(L, -1) && lua_getfield(L, -1, "__name") == LUA_TSTRING &&
            key == lua_tostring(L, -1)) {
            lua_pop(L, 1);
            if (push_method_table(L)) {
                class_of_methods[lua_topointer(L, -1)] = shown_name(key);
                Entry& e = entries[shown_name(key)];
                e.kind = find_class(key.c_str()) ? "widget" : "class";
                add_members(L, -1, e, false, false);
                lua_pop(L, 1);
            }
        }
        lua_settop(L, 0);
    }
    // Parents: the table a method table's own __index falls back on.
    for (const auto& [table, name] : class_of_methods) {
        luaL_getmetatable(L, name == "Fl_Shared_Image" ? "fluac.image" : name.c_str());
        push_method_table(L);
        if (lua_getmetatable(L, -1) && lua_getfield(L, -1, "__index") == LUA_TTABLE) {
            auto it = class_of_methods.find(lua_topointer(L, -1));
            if (it != class_of_methods.end()) entries[name].parent = it->second;
        }
        lua_settop(L, 0);
    }
    // The global tables the binding made, with the static functions and
    // constants of the classes of the same name.
    lua_pushglobaltable(L);
    for (const std::string& key : string_keys(L, -1)) {
        if (globals_before.count(key) || lua_getfield(L, 1, key.c_str()) != LUA_TTABLE) {
            lua_settop(L, 1);
            continue;
        }
        Entry& e = entries[key];
        if (e.kind.empty()) e.kind = "table";
        add_members(L, -1, e, true, key == "fltk");
        lua_settop(L, 1);
    }
    close_binding();
    lua_close(L);

    // Widget classes in the binding's order, each after its parent; then
    // the other classes and the tables by name.
    std::vector<std::string> order;
    for (const WidgetClass* c : all_classes()) order.emplace_back(c->lua.name);
    for (const char* kind : {"class", "table"})
        for (const auto& [name, e] : entries)
            if (e.kind == kind) order.push_back(name);
    for (const std::string& name : order) {
        Entry& e = entries[name];
        std::fprintf(out, "%s %s", e.kind.c_str(), name.c_str());
        if (!e.parent.empty()) std::fprintf(out, ": %s", e.parent.c_str());
        std::fputc('\n', out);
        print_list(out, "methods", e.methods);
        print_list(out, "constructors", e.constructors);
        print_list(out, "functions", e.functions);
        print_list(out, "constants", e.constants);
    }
    return std::ferror(out) ? 1 : 0;
}

}  // namespace fluac_lua
