#include "widget_classes.h"

#include <FL/Fl_Adjuster.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Browser.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Chart.H>
#include <FL/Fl_Check_Browser.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Clock.H>
#include <FL/Fl_Color_Chooser.H>
#include <FL/Fl_Counter.H>
#include <FL/Fl_Dial.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_File_Browser.H>
#include <FL/Fl_File_Input.H>
#include <FL/Fl_Fill_Dial.H>
#include <FL/Fl_Fill_Slider.H>
#include <FL/Fl_Float_Input.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Help_View.H>
#include <FL/Fl_Hold_Browser.H>
#include <FL/Fl_Hor_Fill_Slider.H>
#include <FL/Fl_Hor_Nice_Slider.H>
#include <FL/Fl_Hor_Slider.H>
#include <FL/Fl_Hor_Value_Slider.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Input_Choice.H>
#include <FL/Fl_Int_Input.H>
#include <FL/Fl_Light_Button.H>
#include <FL/Fl_Line_Dial.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Menu_Button.H>
#include <FL/Fl_Menu_Window.H>
#include <FL/Fl_Multi_Browser.H>
#include <FL/Fl_Multiline_Input.H>
#include <FL/Fl_Multiline_Output.H>
#include <FL/Fl_Nice_Slider.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Pack.H>
#include <FL/Fl_Positioner.H>
#include <FL/Fl_Progress.H>
#include <FL/Fl_Radio_Button.H>
#include <FL/Fl_Radio_Light_Button.H>
#include <FL/Fl_Radio_Round_Button.H>
#include <FL/Fl_Repeat_Button.H>
#include <FL/Fl_Return_Button.H>
#include <FL/Fl_Roller.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Round_Clock.H>
#include <FL/Fl_Scroll.H>
#include <FL/Fl_Scrollbar.H>
#include <FL/Fl_Secret_Input.H>
#include <FL/Fl_Select_Browser.H>
#include <FL/Fl_Simple_Counter.H>
#include <FL/Fl_Single_Window.H>
#include <FL/Fl_Slider.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Sys_Menu_Bar.H>
#include <FL/Fl_Table.H>
#include <FL/Fl_Table_Row.H>
#include <FL/Fl_Tabs.H>
#include <FL/Fl_Text_Display.H>
#include <FL/Fl_Text_Editor.H>
#include <FL/Fl_Tile.H>
#include <FL/Fl_Toggle_Button.H>
#include <FL/Fl_Toggle_Light_Button.H>
#include <FL/Fl_Toggle_Round_Button.H>
#include <FL/Fl_Tree.H>
#include <FL/Fl_Value_Input.H>
#include <FL/Fl_Value_Output.H>
#include <FL/Fl_Value_Slider.H>
#include <FL/Fl_Window.H>
#include <FL/Fl_Wizard.H>

#include <cstring>

#include "arguments.h"
#include "container.h"
#include "handles.h"
#include "preview.h"
#include "script_structure.h"
#include "widget_methods.h"

namespace fluac_lua {

namespace {

struct WidgetClass {
    const char* name;
    Fl_Widget* (*make)(int x, int y, int w, int h, const char* name);
};

template <class W>
Fl_Widget* make(int x, int y, int w, int h, const char* name) {
    return new Bound<W>(x, y, w, h, name);
}

#define CLASS(W) {#W, &make<W>}
// Classes of later FLTK versions, built as the 1.3 class nearest to them.
#define LATER(W, AS) {#W, &make<AS>}
const WidgetClass kClasses[] = {
    // Windows and containers
    CLASS(Fl_Window), CLASS(Fl_Double_Window), CLASS(Fl_Single_Window),
    CLASS(Fl_Menu_Window),
    CLASS(Fl_Group), CLASS(Fl_Pack), CLASS(Fl_Scroll), CLASS(Fl_Tabs), CLASS(Fl_Tile),
    CLASS(Fl_Wizard), CLASS(Fl_Table), CLASS(Fl_Table_Row),
    // Boxes and buttons
    CLASS(Fl_Box), CLASS(Fl_Button), CLASS(Fl_Return_Button), CLASS(Fl_Repeat_Button),
    CLASS(Fl_Light_Button), CLASS(Fl_Check_Button), CLASS(Fl_Round_Button),
    CLASS(Fl_Radio_Button), CLASS(Fl_Radio_Light_Button), CLASS(Fl_Radio_Round_Button),
    CLASS(Fl_Toggle_Button), CLASS(Fl_Toggle_Round_Button), CLASS(Fl_Toggle_Light_Button),
    // Text
    CLASS(Fl_Input), CLASS(Fl_Float_Input), CLASS(Fl_Int_Input), CLASS(Fl_Multiline_Input),
    CLASS(Fl_Secret_Input), CLASS(Fl_File_Input), CLASS(Fl_Output), CLASS(Fl_Multiline_Output),
    CLASS(Fl_Text_Display), CLASS(Fl_Text_Editor), CLASS(Fl_Help_View),
    // Valuators
    CLASS(Fl_Slider), CLASS(Fl_Hor_Slider), CLASS(Fl_Fill_Slider), CLASS(Fl_Hor_Fill_Slider),
    CLASS(Fl_Nice_Slider), CLASS(Fl_Hor_Nice_Slider), CLASS(Fl_Value_Slider),
    CLASS(Fl_Hor_Value_Slider), CLASS(Fl_Scrollbar), CLASS(Fl_Adjuster), CLASS(Fl_Counter),
    CLASS(Fl_Simple_Counter), CLASS(Fl_Dial), CLASS(Fl_Fill_Dial), CLASS(Fl_Line_Dial),
    CLASS(Fl_Roller), CLASS(Fl_Value_Input), CLASS(Fl_Value_Output), CLASS(Fl_Spinner),
    CLASS(Fl_Progress), CLASS(Fl_Positioner),
    // Browsers
    CLASS(Fl_Browser), CLASS(Fl_Hold_Browser), CLASS(Fl_Select_Browser),
    CLASS(Fl_Multi_Browser), CLASS(Fl_File_Browser), CLASS(Fl_Check_Browser), CLASS(Fl_Tree),
    // Menus
    CLASS(Fl_Menu_Bar), CLASS(Fl_Sys_Menu_Bar), CLASS(Fl_Choice), CLASS(Fl_Menu_Button),
    CLASS(Fl_Input_Choice),
    // Others
    CLASS(Fl_Clock), CLASS(Fl_Round_Clock), CLASS(Fl_Chart), CLASS(Fl_Color_Chooser),
    // FLTK 1.4: the children of a flex or grid keep the places the file gives
    // them; terminals show text; the scheme choice and shortcut button are a
    // choice and a button.
    LATER(Fl_Flex, Fl_Group), LATER(Fl_Grid, Fl_Group), LATER(Fl_Simple_Terminal, Fl_Text_Display),
    LATER(Fl_Terminal, Fl_Text_Display), LATER(Fl_Scheme_Choice, Fl_Choice),
    LATER(Fl_Shortcut_Button, Fl_Button),
    // Windows that draw nothing of their own without the program's code:
    // an overlay window's overlay, an OpenGL window's picture.
    LATER(Fl_Overlay_Window, Fl_Double_Window), LATER(Fl_Gl_Window, Fl_Window),
};
#undef LATER
#undef CLASS

// fltk:CLASS(x, y, w, h [, label]); fltk.CLASS(...) works as well.
int construct(lua_State* L) {
    const int first = lua_istable(L, 1) ? 2 : 1;
    const int x = check_int(L, first), y = check_int(L, first + 1);
    const int w = check_int(L, first + 2), h = check_int(L, first + 3);
    const char* label = luaL_optstring(L, first + 4, nullptr);
    const WidgetClass& c = kClasses[lua_tointeger(L, lua_upvalueindex(1))];
    WidgetBlock* block = place_new_widget(L);
    Fl_Widget* widget = c.make(x, y, w, h, c.name);
    set_label(widget, label);
    note_block_widget(block, widget);
    note_constructed(widget, std::strcmp(c.name, "Fl_Menu_Bar") == 0);
    if (!widget->parent()) note_top_level(widget);
    push_widget(L, widget);
    return 1;
}

}  // namespace

void add_constructors(lua_State* L) {
    for (size_t i = 0; i < sizeof kClasses / sizeof kClasses[0]; ++i) {
        lua_pushinteger(L, static_cast<lua_Integer>(i));
        lua_pushcclosure(L, construct, 1);
        lua_setfield(L, -2, kClasses[i].name);
    }
}

}  // namespace fluac_lua
