// Text displays, editors and the help view.
#include <FL/Fl_Help_View.H>
#include <FL/Fl_Text_Display.H>
#include <FL/Fl_Scrollbar.H>
#include <FL/Fl_Text_Editor.H>

#include <climits>

#include "classes.h"
#include "methods.h"

namespace fluac_lua {

namespace {

// shortcut, which FLUID sets on text displays too.
int shortcut(lua_State* L) {
    return int_property<Fl_Text_Display>(
        L, INT_MIN, INT_MAX, [](Fl_Text_Display* t) { return t->shortcut(); },
        [](Fl_Text_Display* t, long long n) { t->shortcut(static_cast<int>(n)); });
}

// A help view made at no size, as fluac's scripts make widgets, and then
// resized lays its empty scroll bars out for that size; built at its size,
// as FLUID's C++ builds it, it has them as its constructor sets them.
int help_view_resize(lua_State* L) {
    Fl_Help_View* view = check_self<Fl_Help_View>(L);
    check_nargs(L, 5);
    const int x = check_coordinate(L, 2), y = check_coordinate(L, 3),
              width = check_coordinate(L, 4), height = check_coordinate(L, 5);
    const bool unsized = view->w() == 0 && view->h() == 0;
    view->resize(x, y, width, height);
    if (!unsized || view->value()) return 0;
    for (int i = 0; i < view->children(); ++i) {
        auto* bar = dynamic_cast<Fl_Scrollbar*>(view->child(i));
        if (!bar) continue;
        bar->slider_size(1);
        bar->bounds(0, 1);
        bar->Fl_Slider::value(0);
    }
    return 0;
}

const luaL_Reg kTextDisplay[] = {
    FLUAC_TEXT_STYLE(Fl_Text_Display),
    {"shortcut", shortcut},
    {nullptr, nullptr},
};
const luaL_Reg kHelpView[] = {
    FLUAC_TEXT_STYLE(Fl_Help_View),
    {"resize", help_view_resize},
    {nullptr, nullptr},
};

const WidgetClass kClasses[] = {
    bind<Fl_Text_Display>("Fl_Text_Display", "Fl_Group", kTextDisplay),
    bind<Fl_Text_Editor>("Fl_Text_Editor", "Fl_Text_Display", kNoMethods),
    bind<Fl_Help_View>("Fl_Help_View", "Fl_Group", kHelpView),
};

}  // namespace

std::span<const WidgetClass> text_classes() { return kClasses; }

}  // namespace fluac_lua
