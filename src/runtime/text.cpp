// Text displays, editors and the help view.
#include <FL/Fl_Help_View.H>
#include <FL/Fl_Text_Display.H>
#include <FL/Fl_Text_Editor.H>

#include "classes.h"
#include "methods.h"

namespace fluac_lua {

namespace {

const luaL_Reg kTextDisplay[] = {FLUAC_TEXT_STYLE(Fl_Text_Display), {nullptr, nullptr}};
const luaL_Reg kHelpView[] = {FLUAC_TEXT_STYLE(Fl_Help_View), {nullptr, nullptr}};

const WidgetClass kClasses[] = {
    bind<Fl_Text_Display>("Fl_Text_Display", "Fl_Group", kTextDisplay),
    bind<Fl_Text_Editor>("Fl_Text_Editor", "Fl_Text_Display", kNoMethods),
    bind<Fl_Help_View>("Fl_Help_View", "Fl_Group", kHelpView),
};

}  // namespace

std::span<const WidgetClass> text_classes() { return kClasses; }

}  // namespace fluac_lua
