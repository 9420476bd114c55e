// Browsers: lists of lines, and trees.
#include <FL/Fl_Browser.H>
#include <FL/Fl_Browser_.H>
#include <FL/Fl_Check_Browser.H>
#include <FL/Fl_File_Browser.H>
#include <FL/Fl_Hold_Browser.H>
#include <FL/Fl_Multi_Browser.H>
#include <FL/Fl_Select_Browser.H>
#include <FL/Fl_Tree.H>

#include "classes.h"
#include "display.h"
#include "methods.h"

namespace fluac_lua {

namespace {

// add(text): a line at the end. FLTK measures the line, which needs the
// display's fonts.
int add(lua_State* L) {
    Fl_Browser* b = check_self<Fl_Browser>(L);
    check_nargs(L, 2);
    const char* text = luaL_checkstring(L, 2);
    need_display(L);
    b->add(text);
    return 0;
}

int size(lua_State* L) {
    Fl_Browser* b = check_self<Fl_Browser>(L);
    check_nargs(L, 1);
    lua_pushinteger(L, b->size());
    return 1;
}

// value(): the selected line, from 1; 0 for none.
int value(lua_State* L) {
    Fl_Browser* b = check_self<Fl_Browser>(L);
    check_nargs(L, 2);
    if (!is_setter(L)) {
        lua_pushinteger(L, b->value());
        return 1;
    }
    b->value(static_cast<int>(check_range(L, 2, 0, b->size())));
    return 0;
}

int check_browser_add(lua_State* L) {
    Fl_Check_Browser* b = check_self<Fl_Check_Browser>(L);
    check_nargs(L, 2);
    const char* text = luaL_checkstring(L, 2);
    need_display(L);
    b->add(text);
    return 0;
}

const luaL_Reg kBrowserBase[] = {FLUAC_TEXT_STYLE(Fl_Browser_), {nullptr, nullptr}};
const luaL_Reg kBrowser[] = {
    {"add", add},
    {"size", size},
    {"value", value},
    {nullptr, nullptr},
};
const luaL_Reg kCheckBrowser[] = {{"add", check_browser_add}, {nullptr, nullptr}};

const WidgetClass kClasses[] = {
    bind<Fl_Browser_>("Fl_Browser_", "Fl_Group", kBrowserBase),
    bind<Fl_Browser>("Fl_Browser", "Fl_Browser_", kBrowser),
    bind<Fl_Hold_Browser>("Fl_Hold_Browser", "Fl_Browser", kNoMethods),
    bind<Fl_Select_Browser>("Fl_Select_Browser", "Fl_Browser", kNoMethods),
    bind<Fl_Multi_Browser>("Fl_Multi_Browser", "Fl_Browser", kNoMethods),
    bind<Fl_File_Browser>("Fl_File_Browser", "Fl_Browser", kNoMethods),
    bind<Fl_Check_Browser>("Fl_Check_Browser", "Fl_Browser_", kCheckBrowser),
    bind<Fl_Tree>("Fl_Tree", "Fl_Group", kNoMethods),
};

}  // namespace

std::span<const WidgetClass> browser_classes() { return kClasses; }

}  // namespace fluac_lua
