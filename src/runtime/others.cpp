// Clocks, charts, the colour chooser and the positioner.
#include <FL/Fl_Chart.H>
#include <FL/Fl_Clock.H>
#include <FL/Fl_Color_Chooser.H>
#include <FL/Fl_Positioner.H>
#include <FL/Fl_Round_Clock.H>

#include "classes.h"
#include "methods.h"

namespace fluac_lua {

namespace {

const luaL_Reg kChart[] = {FLUAC_TEXT_STYLE(Fl_Chart), {nullptr, nullptr}};

const WidgetClass kClasses[] = {
    bind<Fl_Clock_Output>("Fl_Clock_Output", "Fl_Widget", kNoMethods),
    bind<Fl_Clock>("Fl_Clock", "Fl_Clock_Output", kNoMethods),
    bind<Fl_Round_Clock>("Fl_Round_Clock", "Fl_Clock", kNoMethods),
    bind<Fl_Chart>("Fl_Chart", "Fl_Widget", kChart),
    bind<Fl_Color_Chooser>("Fl_Color_Chooser", "Fl_Group", kNoMethods),
    bind<Fl_Positioner>("Fl_Positioner", "Fl_Widget", kNoMethods),
};

}  // namespace

std::span<const WidgetClass> other_classes() { return kClasses; }

}  // namespace fluac_lua
