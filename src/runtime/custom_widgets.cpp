#include "custom_widgets.h"

#include <FL/Fl.H>
#include <FL/Fl_Group.H>

#include <cstring>
#include <initializer_list>
#include <list>

#include "api_support.h"
#include "binding.h"
#include "callbacks.h"
#include "display.h"
#include "methods.h"

namespace fluac_lua {

namespace {

int gRunning = 0;                    // hooks running, on any widget
std::list<Fl_Widget*> gPostponed;  // watched

void queue_postponed() {
    while (!gPostponed.empty()) {
        Fl_Widget* w = gPostponed.front();
        Fl::release_widget_pointer(gPostponed.front());
        gPostponed.pop_front();
        if (w) queue_deletion(w);
    }
}

// The widget data's fields holding the hooks.
const char* hook_field(Hook h) { return h == kDrawHook ? "draw_hook" : "handle_hook"; }

struct HookCall {
    Hook hook;
    int event;
    int result;
};

// Runs in a protected call: 1 = widget, 2 = HookCall (light userdata).
int call_hook(lua_State* L) {
    auto* w = static_cast<Fl_Widget*>(lua_touserdata(L, 1));
    auto* c = static_cast<HookCall*>(lua_touserdata(L, 2));
    push_widget_data(L, w, false);
    if (!lua_istable(L, -1) || lua_getfield(L, -1, hook_field(c->hook)) != LUA_TFUNCTION) return 0;
    push_widget(L, w);
    if (c->hook == kHandleHook) lua_pushinteger(L, c->event);
    lua_call(L, c->hook == kHandleHook ? 2 : 1, 1);
    // handle's result: used (1) for true or a number other than 0.
    const bool zero = lua_type(L, -1) == LUA_TNUMBER && lua_tonumber(L, -1) == 0;
    c->result = lua_toboolean(L, -1) && !zero ? 1 : 0;
    return 0;
}

bool run_hook(Fl_Widget* w, BoundWidget* b, HookCall& c) {
    if (!(b->hooks & c.hook)) return false;
    Fl_Widget_Tracker alive(w);
    const unsigned char was = b->running;
    b->running |= c.hook;
    ++gRunning;
    call_protected(call_hook, w, &c);
    if (alive.exists()) b->running = was;
    if (--gRunning == 0) queue_postponed();
    return true;
}

// The hook the method would run: set, and not running on the widget now
// (then the method stands for the class's own).
bool hook_applies(BoundWidget* b, Hook h) { return b && (b->hooks & h) && !(b->running & h); }

// The object, with one of the argument counts (the object included) given.
template <class T>
T* self_with(lua_State* L, std::initializer_list<int> counts) {
    T* self = check_self<T>(L);
    if (counts.size() == 1) {
        check_nargs(L, *counts.begin());
        return self;
    }
    const int n = lua_gettop(L);
    for (int c : counts)
        if (n == c) return self;
    check_nargs(L, *(counts.end() - 1));
    luaL_Buffer b;
    luaL_buffinit(L, &b);
    for (int c : counts) {
        if (c != *counts.begin()) luaL_addstring(&b, c == *(counts.end() - 1) ? " or " : ", ");
        lua_pushinteger(L, c - 1);
        luaL_addvalue(&b);
    }
    luaL_addstring(&b, " arguments");
    luaL_pushresult(&b);
    return luaL_error(L, "takes %s, not %d", lua_tostring(L, -1), n - 1), nullptr;
}

// Runs f, which draws the widget or a part of it, with the widget's damage
// set: a draw outside FLTK's own drawing has no damage, and Fl_Group draws
// only what is damaged.
template <class F>
void draw_damaged(Fl_Widget* w, F f) {
    const uchar damage = w->damage();
    if (!damage) w->clear_damage(FL_DAMAGE_ALL);
    Fl_Widget_Tracker alive(w);
    f();
    if (!damage && alive.exists()) w->clear_damage(0);
}

// The protected drawing helpers of Fl_Widget and Fl_Group, reached through
// pointers to their members.
struct WidgetParts : Fl_Widget {
    using Fl_Widget::draw_backdrop;
    using Fl_Widget::draw_box;
    using Fl_Widget::draw_focus;
    using Fl_Widget::draw_label;
};
struct GroupParts : Fl_Group {
    using Fl_Group::draw_child;
    using Fl_Group::draw_children;
    using Fl_Group::draw_outside_label;
    using Fl_Group::update_child;
};

Fl_Boxtype check_boxtype(lua_State* L, int idx) {
    return static_cast<Fl_Boxtype>(check_range(L, idx, 0, kLastBoxtype));
}

// A child of the group, for the group's drawing helpers.
Fl_Widget* check_child(lua_State* L, Fl_Group* g, int idx) {
    Fl_Widget* child = check_widget(L, idx);
    if (child->parent() != g) luaL_argerror(L, idx, "not a child of the group");
    return child;
}

}  // namespace

bool postpone_deletion(Fl_Widget* w) {
    if (!gRunning) return false;
    for (Fl_Widget* p : gPostponed)
        if (p == w) return true;
    gPostponed.push_back(w);
    Fl::watch_widget_pointer(gPostponed.back());
    return true;
}

void check_children_may_change(lua_State* L) {
    if (gRunning)
        luaL_error(L, "a group's children cannot change while a draw or handle function runs");
}

void forget_postponed_deletions() {
    for (Fl_Widget*& w : gPostponed) Fl::release_widget_pointer(w);
    gPostponed.clear();
    gRunning = 0;
}

bool run_draw_hook(Fl_Widget* w, BoundWidget* b) {
    HookCall c{kDrawHook, 0, 0};
    return run_hook(w, b, c);
}

bool run_handle_hook(Fl_Widget* w, BoundWidget* b, int event, int& result) {
    HookCall c{kHandleHook, event, 0};
    if (!run_hook(w, b, c)) return false;
    result = c.result;
    return true;
}

int set_widget_hook(lua_State* L) {
    Fl_Widget* w = check_widget(L, 1);
    const char* key = lua_type(L, 2) == LUA_TSTRING ? lua_tostring(L, 2) : "";
    const Hook h = std::strcmp(key, "draw") == 0 ? kDrawHook : kHandleHook;
    if (h == kHandleHook && std::strcmp(key, "handle") != 0)
        return luaL_error(L, "%s has no field '%s' to set: only draw and handle can be set",
                          class_name(w), luaL_tolstring(L, 2, nullptr));
    auto* b = dynamic_cast<BoundWidget*>(w);
    if (!b)
        return luaL_error(L, "%s is a part that FLTK made of another widget: its %s cannot be set",
                          class_name(w), key);
    if (b->fixed & h)
        return luaL_error(L, "%s keeps its %s private: it cannot be replaced", class_name(w), key);
    if (!lua_isnil(L, 3) && !lua_isfunction(L, 3))
        return luaL_error(L, "%s's %s must be a function or nil, not a %s", class_name(w), key,
                          luaL_typename(L, 3));
    push_widget_data(L, w, true);
    lua_pushvalue(L, 3);
    lua_setfield(L, -2, hook_field(h));
    if (lua_isnil(L, 3)) b->hooks &= static_cast<unsigned char>(~h);
    else b->hooks |= h;
    if (h == kDrawHook) w->redraw();
    return 0;
}

// draw(): the widget's hook, or in it (and with none) its class's drawing,
// which needs something to draw on.
int widget_draw(lua_State* L) {
    Fl_Widget* w = self_with<Fl_Widget>(L, {1});
    auto* b = dynamic_cast<BoundWidget*>(w);
    if (hook_applies(b, kDrawHook)) {
        w->draw();
    } else {
        check_drawing(L);
        draw_damaged(w, [&] { b ? b->class_draw() : w->draw(); });
    }
    raise_pending_error(L);
    return 0;
}

// handle(event): the widget's hook, or in it (and with none) its class's
// handling, which needs the display. True when the event was used.
int widget_handle(lua_State* L) {
    Fl_Widget* w = self_with<Fl_Widget>(L, {2});
    const int event = static_cast<int>(check_range(L, 2, 0, 255));
    auto* b = dynamic_cast<BoundWidget*>(w);
    int result = 0;
    if (hook_applies(b, kHandleHook)) {
        result = w->handle(event);
    } else {
        need_display(L);
        result = b ? b->class_handle(event) : w->handle(event);
    }
    raise_pending_error(L);
    lua_pushboolean(L, result);
    return 1;
}

// draw_box(), draw_box(type, color), draw_box(type, x, y, w, h, color)
int widget_draw_box(lua_State* L) {
    Fl_Widget* w = self_with<Fl_Widget>(L, {1, 3, 7});
    const int n = lua_gettop(L);
    if (n == 1) {
        check_drawing(L);
        (w->*static_cast<void (Fl_Widget::*)() const>(&WidgetParts::draw_box))();
        return 0;
    }
    const Fl_Boxtype t = check_boxtype(L, 2);
    const auto c = static_cast<Fl_Color>(check_color(L, n));
    if (n == 3) {
        check_drawing(L);
        (w->*static_cast<void (Fl_Widget::*)(Fl_Boxtype, Fl_Color) const>(&WidgetParts::draw_box))(t, c);
        return 0;
    }
    const int x = check_coordinate(L, 3), y = check_coordinate(L, 4);
    const int width = check_coordinate(L, 5), height = check_coordinate(L, 6);
    check_drawing(L);
    (w->*static_cast<void (Fl_Widget::*)(Fl_Boxtype, int, int, int, int, Fl_Color) const>(
             &WidgetParts::draw_box))(t, x, y, width, height, c);
    return 0;
}

int widget_draw_backdrop(lua_State* L) {
    Fl_Widget* w = self_with<Fl_Widget>(L, {1});
    check_drawing(L);
    (w->*static_cast<void (Fl_Widget::*)() const>(&WidgetParts::draw_backdrop))();
    return 0;
}

// draw_focus(), draw_focus(type, x, y, w, h)
int widget_draw_focus(lua_State* L) {
    Fl_Widget* w = self_with<Fl_Widget>(L, {1, 6});
    if (lua_gettop(L) == 1) {
        check_drawing(L);
        (w->*static_cast<void (Fl_Widget::*)()>(&WidgetParts::draw_focus))();
        return 0;
    }
    const Fl_Boxtype t = check_boxtype(L, 2);
    const int x = check_coordinate(L, 3), y = check_coordinate(L, 4);
    const int width = check_coordinate(L, 5), height = check_coordinate(L, 6);
    check_drawing(L);
    (w->*static_cast<void (Fl_Widget::*)(Fl_Boxtype, int, int, int, int) const>(
             &WidgetParts::draw_focus))(t, x, y, width, height);
    return 0;
}

// draw_label(), draw_label(x, y, w, h [, align])
int widget_draw_label(lua_State* L) {
    Fl_Widget* w = self_with<Fl_Widget>(L, {1, 5, 6});
    const int n = lua_gettop(L);
    if (n == 1) {
        check_drawing(L);
        (w->*static_cast<void (Fl_Widget::*)() const>(&WidgetParts::draw_label))();
        return 0;
    }
    const int x = check_coordinate(L, 2), y = check_coordinate(L, 3);
    const int width = check_coordinate(L, 4), height = check_coordinate(L, 5);
    const auto align = n == 6 ? static_cast<Fl_Align>(check_range(L, 6, 0, 0xffffffffLL)) : w->align();
    check_drawing(L);
    w->draw_label(x, y, width, height, align);
    return 0;
}

int group_draw_children(lua_State* L) {
    auto* g = self_with<Fl_Group>(L, {1});
    check_drawing(L);
    draw_damaged(g, [&] { (g->*static_cast<void (Fl_Group::*)()>(&GroupParts::draw_children))(); });
    raise_pending_error(L);
    return 0;
}

int group_draw_child(lua_State* L) {
    auto* g = self_with<Fl_Group>(L, {2});
    Fl_Widget* child = check_child(L, g, 2);
    check_drawing(L);
    (g->*static_cast<void (Fl_Group::*)(Fl_Widget&) const>(&GroupParts::draw_child))(*child);
    raise_pending_error(L);
    return 0;
}

int group_draw_outside_label(lua_State* L) {
    auto* g = self_with<Fl_Group>(L, {2});
    Fl_Widget* child = check_child(L, g, 2);
    check_drawing(L);
    (g->*static_cast<void (Fl_Group::*)(const Fl_Widget&) const>(&GroupParts::draw_outside_label))(*child);
    return 0;
}

int group_update_child(lua_State* L) {
    auto* g = self_with<Fl_Group>(L, {2});
    Fl_Widget* child = check_child(L, g, 2);
    check_drawing(L);
    (g->*static_cast<void (Fl_Group::*)(Fl_Widget&) const>(&GroupParts::update_child))(*child);
    raise_pending_error(L);
    return 0;
}

}  // namespace fluac_lua
