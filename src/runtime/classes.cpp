#include "classes.h"

#include <cstring>
#include <vector>

#include "arguments.h"
#include "container.h"
#include "handles.h"
#include "script_structure.h"
#include "tree.h"
#include "methods.h"
#include "preview.h"

namespace fluac_lua {

const luaL_Reg kNoMethods[] = {{nullptr, nullptr}};

namespace {

struct Catalogue {
    std::vector<const WidgetClass*> classes;
    std::vector<int> depth;  // number of ancestors, by index in classes
};

const Catalogue& catalogue() {
    static const Catalogue c = [] {
        Catalogue c;
        for (auto family : {core_classes(), group_classes(), button_classes(), valuator_classes(),
                            input_classes(), browser_classes(), menu_classes(), text_classes(),
                            other_classes()}) {
            for (const WidgetClass& wc : family) {
                int depth = 0;
                for (size_t i = 0; wc.lua.parent && i < c.classes.size(); ++i)
                    if (std::strcmp(c.classes[i]->lua.name, wc.lua.parent) == 0) depth = c.depth[i] + 1;
                c.classes.push_back(&wc);
                c.depth.push_back(depth);
            }
        }
        return c;
    }();
    return c;
}

// Names that scripts build widgets by, for classes that are not FLTK 1.3's
// own: macros of FLTK 1.3, and classes of later versions, built as the 1.3
// class nearest to them.
struct Alias {
    const char* name;
    const char* as;
};
const Alias kAliases[] = {
    {"Fl_Toggle_Light_Button", "Fl_Light_Button"},
    {"Fl_Toggle_Round_Button", "Fl_Round_Button"},
    // FLTK 1.4: the children of a flex or grid keep the places the file gives
    // them; terminals show text; the scheme choice and shortcut button are a
    // choice and a button.
    {"Fl_Flex", "Fl_Group"},
    {"Fl_Grid", "Fl_Group"},
    {"Fl_Simple_Terminal", "Fl_Text_Display"},
    {"Fl_Terminal", "Fl_Text_Display"},
    {"Fl_Scheme_Choice", "Fl_Choice"},
    {"Fl_Shortcut_Button", "Fl_Button"},
    // Windows that draw nothing of their own without the program's code: an
    // overlay window's overlay, an OpenGL window's picture.
    {"Fl_Overlay_Window", "Fl_Double_Window"},
    {"Fl_Gl_Window", "Fl_Window"},
};

// fltk:CLASS(x, y, w, h [, label]); fltk.CLASS(...) works as well.
// Upvalues: the class, and the name the widget is built by (static text, as
// widgets keep it).
int construct(lua_State* L) {
    const int first = lua_istable(L, 1) ? 2 : 1;
    check_nargs(L, first + 4);
    const int x = check_coordinate(L, first), y = check_coordinate(L, first + 1);
    const int w = check_coordinate(L, first + 2), h = check_coordinate(L, first + 3);
    const char* label = luaL_optstring(L, first + 4, nullptr);
    const auto* c = static_cast<const WidgetClass*>(lua_touserdata(L, lua_upvalueindex(1)));
    const auto* name = static_cast<const char*>(lua_touserdata(L, lua_upvalueindex(2)));
    settle_current_group();
    WidgetBlock* block = place_new_widget(L);
    Fl_Widget* widget = c->make(x, y, w, h, name, c->lua.name);
    set_label(widget, label);
    note_block_widget(block, widget);
    note_constructed(widget, std::strcmp(name, "Fl_Menu_Bar") == 0);
    if (!widget->parent()) note_top_level(widget);
    settle_current_group();
    push_widget(L, widget);
    if (tree_mode()) note_tree_widget(L, -1);
    return 1;
}

void add_constructor(lua_State* L, const WidgetClass& c, const char* name) {
    lua_pushlightuserdata(L, const_cast<WidgetClass*>(&c));
    lua_pushlightuserdata(L, const_cast<char*>(name));
    lua_pushcclosure(L, construct, 2);
    lua_setfield(L, -2, name);
}

}  // namespace

std::span<const WidgetClass* const> all_classes() { return catalogue().classes; }

const WidgetClass* find_class(const char* name) {
    for (const WidgetClass* c : catalogue().classes)
        if (std::strcmp(c->lua.name, name) == 0) return c;
    return nullptr;
}

const WidgetClass& nearest_class(const Fl_Widget* w) {
    const Catalogue& cat = catalogue();
    size_t best = 0;  // Fl_Widget, which every widget is
    for (size_t i = 1; i < cat.classes.size(); ++i)
        if (cat.depth[i] > cat.depth[best] && cat.classes[i]->is(w)) best = i;
    return *cat.classes[best];
}

const char* handle_class(const Fl_Widget* w) {
    if (auto* bound = dynamic_cast<const BoundWidget*>(w)) return bound->lua_class();
    return nearest_class(w).lua.name;
}

void open_classes(lua_State* L) {
    for (const WidgetClass* c : catalogue().classes) {
        define_class(L, c->lua);
        luaL_getmetatable(L, c->lua.name);
        mark_widget_metatable(L);
        lua_pop(L, 1);
    }
}

void add_constructors(lua_State* L) {
    for (const WidgetClass* c : catalogue().classes)
        if (c->make) add_constructor(L, *c, c->lua.name);
    for (const Alias& a : kAliases) add_constructor(L, *find_class(a.as), a.name);
}

}  // namespace fluac_lua
