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

#include <cfloat>
#include <climits>
#include <cmath>
#include <type_traits>

#include "classes.h"
#include "methods.h"

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

int valuator_step(lua_State* L) {
    return number_property<Fl_Valuator>(L, [](Fl_Valuator* v) { return v->step(); },
                                        [](Fl_Valuator* v, double s) { v->step(s); });
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
// FL_FLOAT_INPUT (1) or FL_INT_INPUT (2); -1, as for every widget, keeps it.
int spinner_type(lua_State* L) {
    return int_property<Fl_Spinner>(
        L, -1, 255, [](Fl_Spinner* s) { return s->type(); },
        [](Fl_Spinner* s, long long t) { if (t >= 0) s->type(static_cast<uchar>(t)); });
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

const luaL_Reg kValuator[] = {
    {"value", value<Fl_Valuator>},
    {"minimum", minimum<Fl_Valuator>},
    {"maximum", maximum<Fl_Valuator>},
    {"step", valuator_step},
    {nullptr, nullptr},
};
const luaL_Reg kSlider[] = {{"slider_size", slider_size}, {nullptr, nullptr}};
const luaL_Reg kValueSlider[] = {FLUAC_TEXT_STYLE(Fl_Value_Slider), {nullptr, nullptr}};
const luaL_Reg kCounter[] = {FLUAC_TEXT_STYLE(Fl_Counter), {nullptr, nullptr}};
const luaL_Reg kValueInput[] = {
    FLUAC_TEXT_STYLE(Fl_Value_Input),
    {"shortcut", value_input_shortcut},
    {nullptr, nullptr},
};
const luaL_Reg kValueOutput[] = {FLUAC_TEXT_STYLE(Fl_Value_Output), {nullptr, nullptr}};
const luaL_Reg kSpinner[] = {
    {"value", value<Fl_Spinner>},
    {"minimum", minimum<Fl_Spinner>},
    {"maximum", maximum<Fl_Spinner>},
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
    bind<Fl_Scrollbar>("Fl_Scrollbar", "Fl_Slider", kNoMethods),
    bind<Fl_Value_Slider>("Fl_Value_Slider", "Fl_Slider", kValueSlider),
    bind<Fl_Hor_Value_Slider>("Fl_Hor_Value_Slider", "Fl_Value_Slider", kNoMethods),
    bind<Fl_Adjuster>("Fl_Adjuster", "Fl_Valuator", kNoMethods),
    bind<Fl_Counter>("Fl_Counter", "Fl_Valuator", kCounter),
    bind<Fl_Simple_Counter>("Fl_Simple_Counter", "Fl_Counter", kNoMethods),
    bind<Fl_Dial>("Fl_Dial", "Fl_Valuator", kNoMethods),
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
