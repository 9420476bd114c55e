// Clocks, charts, the colour chooser and the positioner.
#include <FL/Fl_Chart.H>
#include <FL/Fl_Clock.H>
#include <FL/Fl_Color_Chooser.H>
#include <FL/Fl_Positioner.H>
#include <FL/Fl_Round_Clock.H>

#include <climits>

#include "classes.h"
#include "member_functions.h"

namespace fluac_lua {

namespace {

// Fl_Positioner: value(x, y) tells whether either changed.
int positioner_value(lua_State* L) {
    Fl_Positioner* p = check_call<Fl_Positioner>(L, 3);
    const double x = check_finite(L, 2), y = check_finite(L, 3);
    lua_pushboolean(L, p->value(x, y));
    return 1;
}

const luaL_Reg kPositioner[] = {
    {"value", positioner_value},
    {"xbounds", set_pair<Fl_Positioner, &Fl_Positioner::xbounds>},
    {"ybounds", set_pair<Fl_Positioner, &Fl_Positioner::ybounds>},
    FLUAC_NUMBER(Fl_Positioner, xvalue),
    FLUAC_NUMBER(Fl_Positioner, yvalue),
    FLUAC_NUMBER(Fl_Positioner, xminimum),
    FLUAC_NUMBER(Fl_Positioner, xmaximum),
    FLUAC_NUMBER(Fl_Positioner, yminimum),
    FLUAC_NUMBER(Fl_Positioner, ymaximum),
    FLUAC_SET_NUMBER(Fl_Positioner, xstep),
    FLUAC_SET_NUMBER(Fl_Positioner, ystep),
    {nullptr, nullptr},
};
// Fl_Clock_Output: value() is a time in seconds since 1970; value(t) or
// value(hour, minute, second) shows one. FLTK reads the local time of t,
// which must be a year the C library can express.
int clock_value(lua_State* L) {
    Fl_Clock_Output* c = check_call<Fl_Clock_Output>(L, 4);
    if (lua_gettop(L) == 1) {
        lua_pushinteger(L, static_cast<lua_Integer>(c->value()));
        return 1;
    }
    if (lua_gettop(L) == 2) {
        c->value(static_cast<ulong>(check_range(L, 2, 0, 1LL << 40)));
        return 0;
    }
    const auto h = static_cast<int>(check_range(L, 2, 0, 23));
    const auto m = static_cast<int>(check_range(L, 3, 0, 59));
    const auto s = static_cast<int>(check_range(L, 4, 0, 60));
    c->value(h, m, s);
    return 0;
}

const luaL_Reg kClockOutput[] = {
    {"value", clock_value},
    FLUAC_GET(Fl_Clock_Output, hour),
    FLUAC_GET(Fl_Clock_Output, minute),
    FLUAC_GET(Fl_Clock_Output, second),
    {nullptr, nullptr},
};

// Fl_Chart's entries: add(value [, label [, colour]]), and insert and
// replace at an index counted from 1 as in FLTK.
struct ChartEntry {
    double value;
    const char* label;
    unsigned color;
};

ChartEntry check_entry(lua_State* L, int idx) {
    return {check_finite(L, idx), luaL_optstring(L, idx + 1, nullptr),
            static_cast<unsigned>(lua_isnoneornil(L, idx + 2) ? 0 : check_color(L, idx + 2))};
}

int chart_add(lua_State* L) {
    Fl_Chart* c = check_call<Fl_Chart>(L, 4);
    const ChartEntry e = check_entry(L, 2);
    c->add(e.value, e.label, e.color);
    return 0;
}

template <void (Fl_Chart::*F)(int, double, const char*, unsigned), int kPastEnd>
int chart_at(lua_State* L) {
    Fl_Chart* c = check_call<Fl_Chart>(L, 5);
    const long long i = check_range(L, 2, 1, INT_MAX);
    if (i > c->size() + kPastEnd) return luaL_argerror(L, 2, "no entry at that index");
    const ChartEntry e = check_entry(L, 3);
    (c->*F)(static_cast<int>(i), e.value, e.label, e.color);
    return 0;
}

// bounds() -> low, high; bounds(low, high).
int chart_bounds(lua_State* L) {
    Fl_Chart* c = check_call<Fl_Chart>(L, 3);
    if (lua_gettop(L) == 1) {
        double a = 0, b = 0;
        c->bounds(&a, &b);
        lua_pushnumber(L, a);
        lua_pushnumber(L, b);
        return 2;
    }
    return set_pair<Fl_Chart, &Fl_Chart::bounds>(L);
}

// size(): the number of entries; size(w, h) is the widget's.
int chart_size(lua_State* L) {
    Fl_Chart* c = check_call<Fl_Chart>(L, 3);
    if (lua_gettop(L) == 1) {
        lua_pushinteger(L, c->size());
        return 1;
    }
    const int w = check_coordinate(L, 2), h = check_coordinate(L, 3);
    c->size(w, h);
    return 0;
}

const luaL_Reg kChart[] = {
    FLUAC_TEXT_STYLE(Fl_Chart),
    {"add", chart_add},
    {"insert", chart_at<&Fl_Chart::insert, 1>},
    {"replace", chart_at<&Fl_Chart::replace, 0>},
    {"bounds", chart_bounds},
    {"size", chart_size},
    FLUAC_CALL(Fl_Chart, clear),
    FLUAC_INT(Fl_Chart, maxsize, 0, 1 << 20),
    FLUAC_FLAG(Fl_Chart, autosize),
    {nullptr, nullptr},
};

// Fl_Color_Chooser: hsv(h, s, v) and rgb(r, g, b) tell whether the colour changed.
template <int (Fl_Color_Chooser::*F)(double, double, double)>
int set_color(lua_State* L) {
    Fl_Color_Chooser* c = check_call<Fl_Color_Chooser>(L, 4);
    const double a = check_finite(L, 2), b = check_finite(L, 3), d = check_finite(L, 4);
    lua_pushboolean(L, (c->*F)(a, b, d));
    return 1;
}

const luaL_Reg kColorChooser[] = {
    {"hsv", set_color<&Fl_Color_Chooser::hsv>},
    {"rgb", set_color<&Fl_Color_Chooser::rgb>},
    FLUAC_INT(Fl_Color_Chooser, mode, 0, 3),
    FLUAC_GET_NUMBER(Fl_Color_Chooser, hue),
    FLUAC_GET_NUMBER(Fl_Color_Chooser, saturation),
    FLUAC_GET_NUMBER(Fl_Color_Chooser, value),
    FLUAC_GET_NUMBER(Fl_Color_Chooser, r),
    FLUAC_GET_NUMBER(Fl_Color_Chooser, g),
    FLUAC_GET_NUMBER(Fl_Color_Chooser, b),
    {nullptr, nullptr},
};

const WidgetClass kClasses[] = {
    bind<Fl_Clock_Output>("Fl_Clock_Output", "Fl_Widget", kClockOutput),
    bind<Fl_Clock>("Fl_Clock", "Fl_Clock_Output", kNoMethods),
    bind<Fl_Round_Clock>("Fl_Round_Clock", "Fl_Clock", kNoMethods),
    bind<Fl_Chart>("Fl_Chart", "Fl_Widget", kChart),
    bind<Fl_Color_Chooser>("Fl_Color_Chooser", "Fl_Group", kColorChooser),
    bind<Fl_Positioner>("Fl_Positioner", "Fl_Widget", kPositioner),
};

}  // namespace

std::span<const WidgetClass> other_classes() { return kClasses; }

}  // namespace fluac_lua
