#include "tree.h"

#include <FL/Fl_Group.H>
#include <FL/Fl_Menu_Item.H>
#include <FL/Fl_Shared_Image.H>
#include <FL/Fl_Window.H>

#include <cstdio>
#include <cstring>

#include "classes.h"
#include "constants.h"
#include "handles.h"

namespace fluac_lua {

namespace {

bool gTreeMode = false;
bool gNamed = false;  // whether a chunk names widgets by its globals
int gPrinted = 0;
const char kWidgets[] = "fluac.tree_widgets";  // registry: handles in the order built

// How a recorded value shows in the tree.
enum class Shown {
    kNumber,     // as Lua writes it
    kValue,      // a string quoted, a widget by its name, anything else as Lua writes it
    kBox,        // a box type's name
    kLabelType,  // a label type's name
    kWidget,     // a widget by its name, or nil
    kImage,      // the image's file name, or nil
    kFunction,   // where the function was defined, or nil
};

// The properties of a widget's line, in their order. A call of the method of
// the same name with arguments sets the property to its first argument.
struct Printed {
    const char* name;
    Shown shown;
};
const Printed kPrinted[] = {
    {"type", Shown::kNumber},          {"box", Shown::kBox},
    {"down_box", Shown::kBox},         {"labeltype", Shown::kLabelType},
    {"labelfont", Shown::kNumber},     {"labelsize", Shown::kNumber},
    {"labelcolor", Shown::kNumber},    {"align", Shown::kNumber},
    {"color", Shown::kNumber},         {"selection_color", Shown::kNumber},
    {"textfont", Shown::kNumber},      {"textsize", Shown::kNumber},
    {"textcolor", Shown::kNumber},     {"minimum", Shown::kNumber},
    {"maximum", Shown::kNumber},       {"step", Shown::kNumber},
    {"value", Shown::kValue},          {"when", Shown::kNumber},
    {"size_range", Shown::kNumber},    {"tooltip", Shown::kValue},
    {"image", Shown::kImage},          {"callback", Shown::kFunction},
    {"resizable", Shown::kWidget},     {"shortcut", Shown::kNumber},
    {"xclass", Shown::kValue},         {"modal", Shown::kNumber},
    {"inactive", Shown::kNumber},      {"noborder", Shown::kNumber},
    {"hotspot", Shown::kWidget},
};

// Methods without arguments that set a property to a text, or clear it.
struct Flag {
    const char* method;
    const char* property;
    const char* text;  // nullptr: clears the property
};
const Flag kFlags[] = {
    {"set_modal", "modal", "yes"},     {"set_non_modal", "modal", "non-modal"},
    {"deactivate", "inactive", "yes"}, {"activate", "inactive", nullptr},
    {"clear_border", "noborder", "yes"},
};

// What a recorded method records: an index into kPrinted for a setter, or
// one of these.
constexpr int kMenuAdd = -1;
constexpr int flag_recorder(int i) { return -2 - i; }

// The widget's record, {name=, props={}, menu={}, shown=, hidden=}, pushed.
void push_record(lua_State* L, Fl_Widget* w) {
    push_widget_data(L, w, true);
    if (lua_getfield(L, -1, "tree") != LUA_TTABLE) {
        lua_pop(L, 1);
        lua_createtable(L, 0, 4);
        lua_newtable(L);
        lua_setfield(L, -2, "props");
        lua_newtable(L);
        lua_setfield(L, -2, "menu");
        lua_pushvalue(L, -1);
        lua_setfield(L, -3, "tree");
    }
    lua_remove(L, -2);
}

// Records the value at `value_idx` as the property `name`, in a table of its
// own so that nil is a value too; with no index, forgets the property.
void set_prop(lua_State* L, Fl_Widget* w, const char* name, int value_idx = 0) {
    if (value_idx) value_idx = lua_absindex(L, value_idx);
    push_record(L, w);
    lua_getfield(L, -1, "props");
    if (value_idx) {
        lua_createtable(L, 1, 0);
        lua_pushvalue(L, value_idx);
        lua_rawseti(L, -2, 1);
    } else {
        lua_pushnil(L);
    }
    lua_setfield(L, -2, name);
    lua_pop(L, 2);
}

// Records the call whose arguments are at 1..n (the object first).
void record(lua_State* L, int which, int n) {
    Fl_Widget* w = to_widget(L, 1);
    if (!w) return;
    if (which == kMenuAdd) {
        push_record(L, w);
        lua_getfield(L, -1, "menu");
        lua_createtable(L, 0, 5);
        lua_pushvalue(L, 2);
        lua_setfield(L, -2, "path");
        lua_pushinteger(L, n >= 3 ? lua_tointeger(L, 3) : 0);
        lua_setfield(L, -2, "shortcut");
        if (n >= 4) lua_pushvalue(L, 4), lua_setfield(L, -2, "callback");
        if (n >= 5) lua_pushvalue(L, 5), lua_setfield(L, -2, "data");
        lua_pushinteger(L, n >= 6 ? lua_tointeger(L, 6) : 0);
        lua_setfield(L, -2, "flags");
        lua_rawseti(L, -2, static_cast<lua_Integer>(luaL_len(L, -2)) + 1);
        lua_pop(L, 2);
        return;
    }
    if (which < kMenuAdd) {
        const Flag& f = kFlags[flag_recorder(0) - which];
        if (!f.text) return set_prop(L, w, f.property);
        lua_pushstring(L, f.text);
        set_prop(L, w, f.property, -1);
        lua_pop(L, 1);
        return;
    }
    const char* name = kPrinted[which].name;
    if (n < 2) return;  // a getter
    if (std::strcmp(name, "size_range") == 0) {  // (minw,minh,maxw,maxh)
        lua_pushliteral(L, "(");
        for (int i = 2; i <= n; ++i) {
            luaL_tolstring(L, i, nullptr);
            if (i < n) lua_pushliteral(L, ",");
        }
        lua_pushliteral(L, ")");
        lua_concat(L, 2 * (n - 1) + 1);
        set_prop(L, w, name, -1);
        lua_pop(L, 1);
        return;
    }
    set_prop(L, w, name, 2);
    // color(c, selection) sets the selection colour too.
    if (std::strcmp(name, "color") == 0 && n >= 3 && !lua_isnil(L, 3))
        set_prop(L, w, "selection_color", 3);
}

// A recorded method. Upvalues: the method, and what it records.
int recording_call(lua_State* L) {
    const int n = lua_gettop(L);
    lua_pushvalue(L, lua_upvalueindex(1));
    for (int i = 1; i <= n; ++i) lua_pushvalue(L, i);
    lua_call(L, n, LUA_MULTRET);
    const int results = lua_gettop(L) - n;
    record(L, static_cast<int>(lua_tointeger(L, lua_upvalueindex(2))), n);
    return results;
}

// Wraps the method `name` of the method table at `methods`, where the class
// declares it.
void wrap(lua_State* L, int methods, const char* name, int which) {
    lua_pushstring(L, name);
    if (lua_rawget(L, methods) != LUA_TFUNCTION) {
        lua_pop(L, 1);
        return;
    }
    lua_pushinteger(L, which);
    lua_pushcclosure(L, recording_call, 2);
    lua_setfield(L, methods, name);
}

bool derives_from(const WidgetClass* c, const char* base) {
    while (c) {
        if (std::strcmp(c->lua.name, base) == 0) return true;
        c = c->lua.parent ? find_class(c->lua.parent) : nullptr;
    }
    return false;
}

// The globals' __newindex: names a widget by the first global that holds it.
// Upvalue: the table of globals.
int name_global(lua_State* L) {
    if (Fl_Widget* w = to_widget(L, 3); w && lua_type(L, 2) == LUA_TSTRING) {
        push_record(L, w);
        if (lua_getfield(L, -1, "name") == LUA_TNIL) {
            lua_pushvalue(L, 2);
            lua_setfield(L, -3, "name");
        }
        lua_pop(L, 2);
    }
    lua_settop(L, 3);
    lua_rawset(L, lua_upvalueindex(1));
    return 0;
}

// The tree's text, built on the Lua stack so that no error in a __tostring
// can skip a C++ destructor.

void push_quoted(lua_State* L, int idx) {
    size_t len = 0;
    const char* s = lua_tolstring(L, idx, &len);
    luaL_Buffer b;
    luaL_buffinit(L, &b);
    luaL_addchar(&b, '"');
    for (size_t i = 0; i < len; ++i) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        switch (c) {
        case '\n': luaL_addstring(&b, "\\n"); break;
        case '\t': luaL_addstring(&b, "\\t"); break;
        case '\r': luaL_addstring(&b, "\\r"); break;
        case '"': luaL_addstring(&b, "\\\""); break;
        case '\\': luaL_addstring(&b, "\\\\"); break;
        default:
            if (c < 32 || c == 127) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\%03d", c);
                luaL_addstring(&b, escaped);
            } else {
                luaL_addchar(&b, static_cast<char>(c));
            }
        }
    }
    luaL_addchar(&b, '"');
    luaL_pushresult(&b);
}

void push_quoted_text(lua_State* L, const char* text) {
    lua_pushstring(L, text ? text : "");
    push_quoted(L, -1);
    lua_remove(L, -2);
}

// The widget's name in the tree: its global, or "-" (as its own line's name)
// or its class (as another widget's reference).
void push_name(lua_State* L, Fl_Widget* w, bool for_reference) {
    push_record(L, w);
    if (lua_getfield(L, -1, "name") == LUA_TNIL) {
        lua_pop(L, 1);
        lua_pushstring(L, for_reference ? class_name(w) : "-");
    }
    lua_remove(L, -2);
}

const char kSourceLines[] = "fluac.source_lines";

// The line a function was defined at, in the file its chunk was translated
// from when there is one.
lua_Integer source_line(lua_State* L, const lua_Debug& ar) {
    const int top = lua_gettop(L);
    lua_Integer line = ar.linedefined;
    if (lua_getfield(L, LUA_REGISTRYINDEX, kSourceLines) == LUA_TTABLE &&
        lua_getfield(L, -1, ar.source) == LUA_TTABLE && lua_rawgeti(L, -1, line) == LUA_TNUMBER)
        line = lua_tointeger(L, -1);
    lua_settop(L, top);
    return line;
}

void push_function(lua_State* L, int idx) {
    if (lua_isnil(L, idx)) {
        lua_pushliteral(L, "nil");
        return;
    }
    lua_Debug ar;
    lua_pushvalue(L, idx);
    lua_getinfo(L, ">S", &ar);
    if (std::strcmp(ar.what, "C") == 0) lua_pushliteral(L, "<builtin function>");
    else lua_pushfstring(L, "<function, line %I>", source_line(L, ar));
}

void push_shown(lua_State* L, int idx, Shown how) {
    idx = lua_absindex(L, idx);
    switch (how) {
    case Shown::kBox:
    case Shown::kLabelType: {
        const char* name = how == Shown::kBox ? box_type_name(lua_tointeger(L, idx))
                                              : label_type_name(lua_tointeger(L, idx));
        if (name) lua_pushstring(L, name);
        else luaL_tolstring(L, idx, nullptr);
        return;
    }
    case Shown::kValue:
        if (lua_type(L, idx) == LUA_TSTRING) push_quoted(L, idx);
        else if (Fl_Widget* w = to_widget(L, idx)) push_name(L, w, true);
        else luaL_tolstring(L, idx, nullptr);
        return;
    case Shown::kWidget:
        if (Fl_Widget* w = to_widget(L, idx)) push_name(L, w, true);
        else lua_pushliteral(L, "nil");
        return;
    case Shown::kImage:
        if (Fl_Shared_Image* image = opt_image(L, idx)) push_quoted_text(L, image->name());
        else lua_pushliteral(L, "nil");
        return;
    case Shown::kFunction:
        push_function(L, idx);
        return;
    case Shown::kNumber:
        luaL_tolstring(L, idx, nullptr);
        return;
    }
}

}  // namespace

void enable_tree_mode() { gTreeMode = true; }

void give_source_lines(lua_State* L, const char* source, int idx) {
    idx = lua_absindex(L, idx);
    if (lua_getfield(L, LUA_REGISTRYINDEX, kSourceLines) != LUA_TTABLE) {
        lua_pop(L, 1);
        lua_newtable(L);
        lua_pushvalue(L, -1);
        lua_setfield(L, LUA_REGISTRYINDEX, kSourceLines);
    }
    lua_pushvalue(L, idx);
    lua_setfield(L, -2, source);
    lua_pop(L, 1);
}
bool tree_mode() { return gTreeMode; }
int trees_printed() { return gPrinted; }

void open_tree(lua_State* L) {
    lua_newtable(L);
    lua_setfield(L, LUA_REGISTRYINDEX, kWidgets);
    for (const WidgetClass* c : all_classes()) {
        push_methods(L, c->lua.name);
        const int methods = lua_gettop(L);
        for (int i = 0; i < static_cast<int>(std::size(kPrinted)); ++i)
            wrap(L, methods, kPrinted[i].name, i);
        for (int i = 0; i < static_cast<int>(std::size(kFlags)); ++i)
            wrap(L, methods, kFlags[i].method, flag_recorder(i));
        if (derives_from(c, "Fl_Menu_") || derives_from(c, "Fl_Input_Choice"))
            wrap(L, methods, "add", kMenuAdd);
        lua_pop(L, 1);
    }
}

void name_widgets_by_globals(lua_State* L, int idx) {
    gNamed = true;
    idx = lua_absindex(L, idx);
    // Every assignment to a global reaches __newindex, since the table the
    // chunk sees stays empty; reads go to the globals themselves.
    lua_newtable(L);
    lua_createtable(L, 0, 2);
    lua_pushglobaltable(L);
    lua_setfield(L, -2, "__index");
    lua_pushglobaltable(L);
    lua_pushcclosure(L, name_global, 1);
    lua_setfield(L, -2, "__newindex");
    lua_setmetatable(L, -2);
    if (!lua_setupvalue(L, idx, 1)) lua_pop(L, 1);  // a main chunk's one upvalue is _ENV
}

namespace {

// The module is opened before the script is loaded, so its first widget
// names the widgets by the globals of the outermost chunk running then.
void name_by_outermost_chunk(lua_State* L) {
    lua_Debug ar;
    int outermost = -1;
    for (int level = 0; lua_getstack(L, level, &ar); ++level)
        if (lua_getinfo(L, "S", &ar) && std::strcmp(ar.what, "main") == 0) outermost = level;
    if (outermost < 0 || !lua_getstack(L, outermost, &ar) || !lua_getinfo(L, "f", &ar)) return;
    name_widgets_by_globals(L, -1);
    lua_pop(L, 1);
}

}  // namespace

void note_tree_widget(lua_State* L, int idx) {
    idx = lua_absindex(L, idx);
    if (!gNamed) name_by_outermost_chunk(L);
    lua_getfield(L, LUA_REGISTRYINDEX, kWidgets);
    lua_pushvalue(L, idx);
    lua_rawseti(L, -2, static_cast<lua_Integer>(lua_rawlen(L, -2)) + 1);
    lua_pop(L, 1);
}

void note_tree_shown(lua_State* L, Fl_Widget* w, bool shown) {
    push_record(L, w);
    lua_pushboolean(L, shown);
    lua_setfield(L, -2, "shown");
    lua_pushboolean(L, !shown);
    lua_setfield(L, -2, "hidden");
    lua_pop(L, 1);
}

void show_without_display(Fl_Window* win) {
    win->set_visible();
    // FLTK's show() ends the current group, for those who forgot end().
    Fl_Group::current(nullptr);
}

namespace {

// Modifier keys and named keys, as FLTK numbers them.
struct KeyName {
    int key;
    const char* name;
};
const KeyName kModifiers[] = {
    {FL_META, "Meta+"}, {FL_CTRL, "Ctrl+"}, {FL_ALT, "Alt+"}, {FL_SHIFT, "Shift+"}};
const KeyName kKeys[] = {
    {FL_BackSpace, "BackSpace"}, {FL_Tab, "Tab"},   {FL_Enter, "Enter"},
    {FL_Escape, "Escape"},       {FL_Home, "Home"}, {FL_Left, "Left"},
    {FL_Up, "Up"},               {FL_Right, "Right"}, {FL_Down, "Down"},
    {FL_Page_Up, "Page_Up"},     {FL_Page_Down, "Page_Down"}, {FL_End, "End"},
    {FL_Insert, "Insert"},       {FL_Delete, "Delete"},
};
const KeyName kMenuFlags[] = {
    {FL_MENU_INACTIVE, "INACTIVE"}, {FL_MENU_TOGGLE, "TOGGLE"},
    {FL_MENU_VALUE, "VALUE"},       {FL_MENU_RADIO, "RADIO"},
    {FL_MENU_INVISIBLE, "INVISIBLE"}, {FL_SUBMENU_POINTER, "SUBMENU_POINTER"},
    {FL_SUBMENU, "SUBMENU"},        {FL_MENU_DIVIDER, "DIVIDER"},
    {FL_MENU_HORIZONTAL, "HORIZONTAL"},
};

// A menu entry's shortcut: modifiers, then the key ("Ctrl+q", "F1").
void push_shortcut(lua_State* L, lua_Integer n) {
    if (n < 0 || n > 0x7fffffff) {
        lua_pushinteger(L, n);
        lua_tostring(L, -1);
        return;
    }
    char text[64] = "";
    lua_Integer rest = n;
    for (const KeyName& m : kModifiers) {
        if (rest & m.key) {
            std::strcat(text, m.name);
            rest &= ~static_cast<lua_Integer>(m.key);
        }
    }
    const size_t len = std::strlen(text);
    if (rest > 0x20 && rest < 0x7f) {
        std::snprintf(text + len, sizeof text - len, "%c", static_cast<char>(rest));
    } else if (rest > FL_F && rest <= FL_F_Last) {
        std::snprintf(text + len, sizeof text - len, "F%d", static_cast<int>(rest - FL_F));
    } else {
        const char* key = nullptr;
        for (const KeyName& k : kKeys)
            if (rest == k.key) key = k.name;
        if (key) std::snprintf(text + len, sizeof text - len, "%s", key);
        else std::snprintf(text, sizeof text, "0x%llx", static_cast<long long>(n));
    }
    lua_pushstring(L, text);
}

// A menu entry's flags: "TOGGLE|DIVIDER", and what no flag names in hex.
void push_flags(lua_State* L, lua_Integer n) {
    char text[160] = "";
    lua_Integer rest = n;
    for (const KeyName& f : kMenuFlags) {
        if (rest & f.key) {
            if (*text) std::strcat(text, "|");
            std::strcat(text, f.name);
            rest &= ~static_cast<lua_Integer>(f.key);
        }
    }
    if (rest) {
        const size_t len = std::strlen(text);
        std::snprintf(text + len, sizeof text - len, "%s0x%llx", *text ? "|" : "",
                      static_cast<long long>(rest));
    }
    lua_pushstring(L, text);
}

// Replaces the value on top of the stack with " NAME=" and its text: two
// parts of a line.
void push_field(lua_State* L, const char* name, Shown how) {
    push_shown(L, -1, how);
    lua_remove(L, -2);
    lua_pushfstring(L, " %s=", name);
    lua_insert(L, -2);
}

bool record_flag(lua_State* L, Fl_Widget* w, const char* field) {
    push_record(L, w);
    lua_getfield(L, -1, field);
    const bool set = lua_toboolean(L, -1);
    lua_pop(L, 2);
    return set;
}

void push_indent(lua_State* L, int depth) {
    luaL_Buffer b;
    luaL_buffinit(L, &b);
    for (int i = 0; i < depth; ++i) luaL_addstring(&b, "  ");
    luaL_pushresult(&b);
}

void add_line(lua_State* L, int lines, int parts) {
    lua_concat(L, parts);
    lua_rawseti(L, lines, static_cast<lua_Integer>(lua_rawlen(L, lines)) + 1);
}

void add_menu_lines(lua_State* L, int lines, Fl_Widget* w, int depth) {
    push_record(L, w);
    lua_getfield(L, -1, "menu");
    const int menu = lua_gettop(L);
    for (lua_Integer i = 1; lua_rawgeti(L, menu, i) == LUA_TTABLE; ++i) {
        const int entry = lua_gettop(L);
        luaL_checkstack(L, 20, "the widget tree");
        push_indent(L, depth);
        lua_pushliteral(L, "menu ");
        lua_getfield(L, entry, "path");
        push_quoted(L, -1);
        lua_remove(L, -2);
        int parts = 3;
        lua_getfield(L, entry, "shortcut");
        const lua_Integer shortcut = lua_tointeger(L, -1);
        lua_pop(L, 1);
        if (shortcut != 0) {
            lua_pushliteral(L, " shortcut=");
            push_shortcut(L, shortcut);
            parts += 2;
        }
        lua_getfield(L, entry, "flags");
        const lua_Integer flags = lua_tointeger(L, -1);
        lua_pop(L, 1);
        if (flags != 0) {
            lua_pushliteral(L, " flags=");
            push_flags(L, flags);
            parts += 2;
        }
        if (lua_getfield(L, entry, "callback") != LUA_TNIL) {
            push_field(L, "callback", Shown::kFunction);
            parts += 2;
        } else {
            lua_pop(L, 1);
        }
        if (lua_getfield(L, entry, "data") != LUA_TNIL) {
            push_field(L, "userdata", Shown::kValue);
            parts += 2;
        } else {
            lua_pop(L, 1);
        }
        add_line(L, lines, parts);
        lua_pop(L, 1);  // the entry
    }
    lua_pop(L, 3);
}

void add_widget_lines(lua_State* L, int lines, Fl_Widget* w, int depth);

// The children the script built, looking through the groups FLTK built
// inside a widget (such as a table's).
void add_children_lines(lua_State* L, int lines, Fl_Group* g, int depth) {
    for (int i = 0; i < g->children(); ++i) {
        Fl_Widget* child = g->child(i);
        if (is_bound(child)) add_widget_lines(L, lines, child, depth);
        else if (Fl_Group* inner = child->as_group()) add_children_lines(L, lines, inner, depth);
    }
}

// The widget's line: class, name, label and place, the properties set, and
// whether it was shown or hidden; then the lines of its children and menu
// entries, indented.
void add_widget_lines(lua_State* L, int lines, Fl_Widget* w, int depth) {
    luaL_checkstack(L, 2 * static_cast<int>(std::size(kPrinted)) + 20, "the widget tree");
    push_indent(L, depth);
    lua_pushfstring(L, "%s ", class_name(w));
    push_name(L, w, false);
    lua_pushliteral(L, " ");
    push_quoted_text(L, w->label());
    lua_pushfstring(L, " (%d,%d,%d,%d)", w->x(), w->y(), w->w(), w->h());
    int parts = 6;
    push_record(L, w);
    lua_getfield(L, -1, "props");
    lua_remove(L, -2);
    const int props = lua_gettop(L);
    for (const Printed& p : kPrinted) {
        if (lua_getfield(L, props, p.name) != LUA_TTABLE) {
            lua_pop(L, 1);
            continue;
        }
        lua_rawgeti(L, -1, 1);
        lua_remove(L, -2);
        push_field(L, p.name, p.shown);
        parts += 2;
    }
    lua_remove(L, props);
    if (w->as_window() && record_flag(L, w, "shown")) lua_pushliteral(L, " shown"), ++parts;
    if (record_flag(L, w, "hidden")) lua_pushliteral(L, " hidden"), ++parts;
    if (depth == 0 && !w->as_window()) lua_pushliteral(L, " [not in a window]"), ++parts;
    add_line(L, lines, parts);
    if (Fl_Group* g = w->as_group()) add_children_lines(L, lines, g, depth + 1);
    add_menu_lines(L, lines, w, depth + 1);
}

}  // namespace

void print_tree(lua_State* L) {
    lua_newtable(L);
    const int lines = lua_gettop(L);
    lua_pushliteral(L, "Fl:run() widget tree:");
    lua_rawseti(L, lines, 1);
    lua_getfield(L, LUA_REGISTRYINDEX, kWidgets);
    const int widgets = lua_gettop(L);
    for (lua_Integer i = 1; lua_rawgeti(L, widgets, i) != LUA_TNIL; ++i) {
        Fl_Widget* w = to_widget(L, -1);
        lua_pop(L, 1);
        if (w && !w->parent()) add_widget_lines(L, lines, w, 0);
    }
    lua_pop(L, 2);
    if (lua_rawlen(L, lines) == 1) {
        lua_pushliteral(L, "(no widgets)");
        lua_rawseti(L, lines, 2);
    }
    for (lua_Integer i = 1; lua_rawgeti(L, lines, i) == LUA_TSTRING; ++i) {
        size_t len = 0;
        const char* line = lua_tolstring(L, -1, &len);
        std::fwrite(line, 1, len, stdout);
        std::fputc('\n', stdout);
        lua_pop(L, 1);
    }
    lua_pop(L, 2);
    std::fflush(stdout);
    ++gPrinted;
}

}  // namespace fluac_lua
