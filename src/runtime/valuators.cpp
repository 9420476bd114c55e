// Valuators, and the widgets that hold a number in a range without being
// valuators in FLTK: spinners and progress bars.
#include <FL/Fl_Adjuster.H>
#include <FL/Fl_Counter.H>
#include <FL/Fl_Dial.H>
#include <FL/Fl_Fill_Dial.H>
#include <FL/Fl_Fill_Slider.H>
#include <FL/Fl_Hor_Fill_Slider.H>
#include <FL/Fl_Hor_Nice_Slider.H>
#include <FL/Fl_Hor_Slider.H>
#include <FL/Fl_Hor_Value_Slider.H>
#include <FL/Fl_Line_Dial.H>
#include <FL/Fl_Nice_Slider.H>
#include <FL/Fl_Progress.H>
#include <FL/Fl_Roller.H>
#include <FL/Fl_Scrollbar.H>
#include <FL/Fl_Simple_Counter.H>
#include <FL/Fl_Slider.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Valuator.H>
#include <FL/Fl_Value_Input.H>
#include <FL/Fl_Value_Output.H>
#include <FL/Fl_Value_Slider.H>
#include <FL/Fl_Window.H>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstring>
#include <type_traits>

#include "classes.h"
#include "member_functions.h"

namespace fluac_lua {

namespace {

// A number as the class keeps it; a float (a progress bar's) must hold it.
template <class V>
V kept_as(lua_State* L, double v) {
    if constexpr (std::is_same_v<V, float>)
        if (std::fabs(v) > FLT_MAX) luaL_argerror(L, 2, "out of range for a float");
    return static_cast<V>(v);
}

// value, minimum and maximum.
template <class T>
int value(lua_State* L) {
    return number_property<T>(L, [](T* t) { return t->value(); }, [L](T* t, double v) {
        t->value(kept_as<decltype(t->value())>(L, v));
    });
}
template <class T>
int minimum(lua_State* L) {
    return number_property<T>(L, [](T* t) { return t->minimum(); }, [L](T* t, double v) {
        t->minimum(kept_as<decltype(t->minimum())>(L, v));
    });
}
template <class T>
int maximum(lua_State* L) {
    return number_property<T>(L, [](T* t) { return t->maximum(); }, [L](T* t, double v) {
        t->maximum(kept_as<decltype(t->maximum())>(L, v));
    });
}

// step(s), or step(a, b) for the step a/b.
int valuator_step(lua_State* L) {
    if (lua_gettop(L) == 3) {
        Fl_Valuator* v = check_call<Fl_Valuator>(L, 3);
        const auto a = static_cast<int>(check_range(L, 2, 0, INT_MAX));
        const auto b = static_cast<int>(check_range(L, 3, 1, INT_MAX));
        v->step(a, b);
        return 0;
    }
    return number_property<Fl_Valuator>(L, [](Fl_Valuator* v) { return v->step(); },
                                        [](Fl_Valuator* v, double s) { v->step(s); });
}

// A spinner prints its value with its format into 255 bytes. The format
// is checked to have one conversion of a double, and widths and
// precisions of two digits at most; a fixed-point one ('f') then needs
// the value, minimum and maximum to stay within kLargestFixed.
constexpr double kLargestFixed = 1e80;

bool fixed_point(const char* format) {
    const char* conversion = std::strpbrk(format, "eEfFgGaA");
    return conversion && (*conversion == 'f' || *conversion == 'F');
}

// The format's one conversion: %[-+ #0]*W?(.P|.*)?C, W and P of two digits.
const char* check_format(lua_State* L, int idx) {
    size_t len = 0;
    const char* f = luaL_checklstring(L, idx, &len);
    int conversions = 0;
    for (const char* p = f; *p; ++p) {
        if (*p != '%') continue;
        if (p[1] == '%') {
            ++p;
            continue;
        }
        ++p;
        p += std::strspn(p, "-+ #0");
        const size_t width = std::strspn(p, "0123456789");
        p += width;
        size_t precision = 0;
        if (*p == '.') {
            ++p;
            if (*p == '*' && conversions == 0 && f[0] == '%' && f[1] == '.' && f[2] == '*')
                ++p;  // FLTK's own "%.*f" form, whose precision it computes
            else
                p += (precision = std::strspn(p, "0123456789"));
        }
        if (width > 2 || precision > 2 || !*p || !std::strchr("eEfFgGaA", *p))
            luaL_argerror(L, idx, "a format with widths and precisions of two digits, "
                                  "converting a double with e, f, g or a");
        ++conversions;
    }
    luaL_argcheck(L, conversions == 1 && len <= 64, idx,
                  "a format of one conversion, and 64 characters at most");
    return f;
}

void check_fits(lua_State* L, const char* format, double v, int idx) {
    if (fixed_point(format) && std::fabs(v) >= kLargestFixed)
        luaL_argerror(L, idx, "too large for the spinner's fixed-point format");
}

// format(): the format; format(f) sets it, the widget's data keeping it.
int spinner_format(lua_State* L) {
    Fl_Spinner* s = check_call<Fl_Spinner>(L, 2);
    if (!is_setter(L)) {
        lua_pushstring(L, s->format());
        return 1;
    }
    const char* f = check_format(L, 2);
    for (double v : {s->value(), s->minimum(), s->maximum()}) check_fits(L, f, v, 2);
    s->format(keep_with_widget(L, s, "format", 2));
    return 0;
}

// value, minimum and maximum, which the format must print.
template <double (Fl_Spinner::*Get)() const, void (Fl_Spinner::*Set)(double)>
int spinner_number(lua_State* L) {
    Fl_Spinner* s = check_call<Fl_Spinner>(L, 2);
    if (!is_setter(L)) {
        lua_pushnumber(L, (s->*Get)());
        return 1;
    }
    const double v = check_finite(L, 2);
    check_fits(L, s->format(), v, 2);
    (s->*Set)(v);
    return 0;
}

int spinner_range(lua_State* L) {
    Fl_Spinner* s = check_call<Fl_Spinner>(L, 3);
    const double a = check_finite(L, 2), b = check_finite(L, 3);
    check_fits(L, s->format(), a, 2);
    check_fits(L, s->format(), b, 3);
    s->range(a, b);
    return 0;
}

// A spinner's step becomes an int inside FLTK, so it must fit one.
int spinner_step(lua_State* L) {
    return number_property<Fl_Spinner>(L, [](Fl_Spinner* s) { return s->step(); },
                                       [L](Fl_Spinner* s, double step) {
                                           if (std::fabs(step) > INT_MAX)
                                               luaL_argerror(L, 2, "the step is too large");
                                           s->step(step);
                                       });
}

// slider_size: the knob's share of a slider or scroll bar.
int slider_size(lua_State* L) {
    return number_property<Fl_Slider>(L, [](Fl_Slider* s) { return s->slider_size(); },
                                      [](Fl_Slider* s, double v) { s->slider_size(v); });
}

// A spinner's type and colours are its input's: Fl_Spinner's own type(),
// color() and selection_color() hide Fl_Widget's. Its type is
// FL_FLOAT_INPUT (1) or FL_INT_INPUT (2); -1, as for every widget, keeps it,
// and no type of a window may go to the input. Setting it gives the spinner
// a fixed-point format.
int spinner_type(lua_State* L) {
    return int_property<Fl_Spinner>(
        L, -1, FL_WINDOW - 1, [](Fl_Spinner* s) { return s->type(); },
        [L](Fl_Spinner* s, long long t) {
            if (t < 0) return;
            for (double v : {s->value(), s->minimum(), s->maximum()}) check_fits(L, "%f", v, 2);
            s->type(static_cast<uchar>(t));
        });
}

int spinner_color(lua_State* L) {
    return int_property<Fl_Spinner>(
        L, 0, kLastColor, [](Fl_Spinner* s) { return s->color(); },
        [](Fl_Spinner* s, long long c) { s->color(static_cast<Fl_Color>(c)); });
}

int spinner_selection_color(lua_State* L) {
    return int_property<Fl_Spinner>(
        L, 0, kLastColor, [](Fl_Spinner* s) { return s->selection_color(); },
        [](Fl_Spinner* s, long long c) { s->selection_color(static_cast<Fl_Color>(c)); });
}

// shortcut: the key that focuses the value input.
int value_input_shortcut(lua_State* L) {
    return int_property<Fl_Value_Input>(
        L, INT_MIN, INT_MAX, [](Fl_Value_Input* v) { return v->shortcut(); },
        [](Fl_Value_Input* v, long long n) { v->shortcut(static_cast<int>(n)); });
}

// round(v), clamp(v) and increment(v, n): numbers by the valuator's step and range.
template <double (Fl_Valuator::*F)(double)>
int valuator_math(lua_State* L) {
    Fl_Valuator* v = check_call<Fl_Valuator>(L, 2);
    lua_pushnumber(L, (v->*F)(check_finite(L, 2)));
    return 1;
}

int increment(lua_State* L) {
    Fl_Valuator* v = check_call<Fl_Valuator>(L, 3);
    const double x = check_finite(L, 2);
    lua_pushnumber(L, v->increment(x, static_cast<int>(check_range(L, 3, INT_MIN, INT_MAX))));
    return 1;
}

// format(): the value as the valuator prints it.
int format(lua_State* L) {
    Fl_Valuator* v = check_call<Fl_Valuator>(L, 1);
    char buffer[512] = "";
    v->format(buffer);
    lua_pushstring(L, buffer);
    return 1;
}

// precision(digits): the step becomes 10^-digits; FLTK keeps 10^digits in an int.
int precision(lua_State* L) {
    Fl_Valuator* v = check_call<Fl_Valuator>(L, 2);
    v->precision(static_cast<int>(check_range(L, 2, 0, 9)));
    return 0;
}

// Fl_Slider's and Fl_Scrollbar's scroll positions: FLTK adds them in int.
int check_scroll(lua_State* L, int idx) {
    return static_cast<int>(check_range(L, idx, -kLargestCoordinate, kLargestCoordinate));
}

int scrollvalue(lua_State* L) {
    Fl_Slider* s = check_call<Fl_Slider>(L, 5);
    int a[4];
    for (int i = 0; i < 4; ++i) a[i] = check_scroll(L, i + 2);
    lua_pushboolean(L, s->scrollvalue(a[0], a[1], a[2], a[3]));
    return 1;
}

// A scroll bar's value(): an integer; value(v) as a valuator's;
// value(pos, size, first, total) as scrollvalue.
int scrollbar_value(lua_State* L) {
    Fl_Scrollbar* s = check_call<Fl_Scrollbar>(L, 5);
    if (lua_gettop(L) == 1) {
        lua_pushinteger(L, s->value());
        return 1;
    }
    if (lua_gettop(L) == 2) return value<Fl_Valuator>(L);
    int a[4];
    for (int i = 0; i < 4; ++i) a[i] = check_scroll(L, i + 2);
    lua_pushboolean(L, s->value(a[0], a[1], a[2], a[3]));
    return 1;
}

// A counter's step(s [, large_step]).
int counter_step(lua_State* L) {
    Fl_Counter* c = check_call<Fl_Counter>(L, 3);
    if (lua_gettop(L) <= 2) return valuator_step(L);
    const double a = check_finite(L, 2), b = check_finite(L, 3);
    c->step(a, b);
    return 0;
}

int angles(lua_State* L) {
    Fl_Dial* d = check_call<Fl_Dial>(L, 3);
    const auto a = static_cast<short>(check_range(L, 2, SHRT_MIN, SHRT_MAX));
    const auto b = static_cast<short>(check_range(L, 3, SHRT_MIN, SHRT_MAX));
    d->angles(a, b);
    return 0;
}

const luaL_Reg kValuator[] = {
    {"value", value<Fl_Valuator>},
    {"minimum", minimum<Fl_Valuator>},
    {"maximum", maximum<Fl_Valuator>},
    {"step", valuator_step},
    {"bounds", set_pair<Fl_Valuator, &Fl_Valuator::bounds>},
    {"range", set_pair<Fl_Valuator, &Fl_Valuator::range>},
    {"round", valuator_math<&Fl_Valuator::round>},
    {"clamp", valuator_math<&Fl_Valuator::clamp>},
    {"increment", increment},
    {"format", format},
    {"precision", precision},
    {nullptr, nullptr},
};
const luaL_Reg kSlider[] = {
    {"slider_size", slider_size},
    {"bounds", set_pair<Fl_Slider, &Fl_Slider::bounds>},
    {"scrollvalue", scrollvalue},
    FLUAC_INT(Fl_Slider, slider, 0, kLastBoxtype),
    {nullptr, nullptr},
};
const luaL_Reg kScrollbar[] = {
    {"value", scrollbar_value},
    FLUAC_INT(Fl_Scrollbar, linesize, 0, kLargestCoordinate),
    {nullptr, nullptr},
};
const luaL_Reg kValueSlider[] = {FLUAC_TEXT_STYLE(Fl_Value_Slider), {nullptr, nullptr}};
const luaL_Reg kAdjuster[] = {FLUAC_FLAG(Fl_Adjuster, soft), {nullptr, nullptr}};
const luaL_Reg kCounter[] = {
    FLUAC_TEXT_STYLE(Fl_Counter),
    {"step", counter_step},
    FLUAC_SET_NUMBER(Fl_Counter, lstep),
    {nullptr, nullptr},
};
const luaL_Reg kDial[] = {
    FLUAC_INT(Fl_Dial, angle1, SHRT_MIN, SHRT_MAX),
    FLUAC_INT(Fl_Dial, angle2, SHRT_MIN, SHRT_MAX),
    {"angles", angles},
    {nullptr, nullptr},
};
const luaL_Reg kValueInput[] = {
    FLUAC_TEXT_STYLE(Fl_Value_Input),
    {"shortcut", value_input_shortcut},
    FLUAC_COLOR(Fl_Value_Input, cursor_color),
    FLUAC_FLAG(Fl_Value_Input, soft),
    {nullptr, nullptr},
};
const luaL_Reg kValueOutput[] = {
    FLUAC_TEXT_STYLE(Fl_Value_Output),
    FLUAC_FLAG(Fl_Value_Output, soft),
    {nullptr, nullptr},
};
const luaL_Reg kSpinner[] = {
    {"value", spinner_number<&Fl_Spinner::value, &Fl_Spinner::value>},
    {"minimum", spinner_number<&Fl_Spinner::minimum, &Fl_Spinner::minimum>},
    {"maximum", spinner_number<&Fl_Spinner::maximum, &Fl_Spinner::maximum>},
    {"mininum", spinner_number<&Fl_Spinner::mininum, &Fl_Spinner::minimum>},
    {"maxinum", spinner_number<&Fl_Spinner::maxinum, &Fl_Spinner::maximum>},
    {"range", spinner_range},
    {"format", spinner_format},
    {"step", spinner_step},
    {"type", spinner_type},
    {"color", spinner_color},
    {"selection_color", spinner_selection_color},
    FLUAC_TEXT_STYLE(Fl_Spinner),
    {nullptr, nullptr},
};
const luaL_Reg kProgress[] = {
    {"value", value<Fl_Progress>},
    {"minimum", minimum<Fl_Progress>},
    {"maximum", maximum<Fl_Progress>},
    {nullptr, nullptr},
};

const WidgetClass kClasses[] = {
    bind<Fl_Valuator>("Fl_Valuator", "Fl_Widget", kValuator),
    bind<Fl_Slider>("Fl_Slider", "Fl_Valuator", kSlider),
    bind<Fl_Fill_Slider>("Fl_Fill_Slider", "Fl_Slider", kNoMethods),
    bind<Fl_Hor_Slider>("Fl_Hor_Slider", "Fl_Slider", kNoMethods),
    bind<Fl_Hor_Fill_Slider>("Fl_Hor_Fill_Slider", "Fl_Slider", kNoMethods),
    bind<Fl_Nice_Slider>("Fl_Nice_Slider", "Fl_Slider", kNoMethods),
    bind<Fl_Hor_Nice_Slider>("Fl_Hor_Nice_Slider", "Fl_Slider", kNoMethods),
    bind<Fl_Scrollbar>("Fl_Scrollbar", "Fl_Slider", kScrollbar),
    bind<Fl_Value_Slider>("Fl_Value_Slider", "Fl_Slider", kValueSlider),
    bind<Fl_Hor_Value_Slider>("Fl_Hor_Value_Slider", "Fl_Value_Slider", kNoMethods),
    bind<Fl_Adjuster>("Fl_Adjuster", "Fl_Valuator", kAdjuster),
    bind<Fl_Counter>("Fl_Counter", "Fl_Valuator", kCounter),
    bind<Fl_Simple_Counter>("Fl_Simple_Counter", "Fl_Counter", kNoMethods),
    bind<Fl_Dial>("Fl_Dial", "Fl_Valuator", kDial),
    bind<Fl_Fill_Dial>("Fl_Fill_Dial", "Fl_Dial", kNoMethods),
    bind<Fl_Line_Dial>("Fl_Line_Dial", "Fl_Dial", kNoMethods),
    bind<Fl_Roller>("Fl_Roller", "Fl_Valuator", kNoMethods),
    bind<Fl_Value_Input>("Fl_Value_Input", "Fl_Valuator", kValueInput),
    bind<Fl_Value_Output>("Fl_Value_Output", "Fl_Valuator", kValueOutput),
    bind<Fl_Spinner>("Fl_Spinner", "Fl_Group", kSpinner),
    bind<Fl_Progress>("Fl_Progress", "Fl_Widget", kProgress),
};

}  // namespace

std::span<const WidgetClass> valuator_classes() { return kClasses; }

}  // namespace fluac_lua
