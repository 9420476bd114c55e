// Actions for the function block, its items and widget blocks.
#include <string_view>

#include "scanner/scanner.h"
#include "translator/actions.h"
#include "translator/emit.h"
#include "translator/state.h"

// function_block: after the "{" that follows Function
void EmitFunctionHead() {
    Emit("--function ");
}

// function_block: after the function's name
void EmitTokenText() {
    Emit("%s", yytext);
}

// function_block: after the ")"
void EmitFunctionParens() {
    Emit("()\n");
}

// function_block: after its closing "}"
void EmitFunctionEnd() {
    Emit("\n--end\n");
}

// item_list: between two items, once the next item's first token is read;
// also after the text of code0..code3 and of a menu item's callback
void EmitNewline() {
    Emit("\n");
}

// item: the class token of a widget, group or menu bar is read, not yet shifted
void BeginWidgetClass() {
    ignoreType = 0;
    widgetType.clear();
}

// widget_class: after Fl_Window
void UseImplicitWindow() {
    ignoreType = 1;
    widgetType = "Fl_Double_Window";
}

// item: after the class token
void TakeWidgetClass() {
    if (widgetType.empty()) widgetType = yytext;
}

namespace {

constexpr std::string_view kLuaKeywords[] = {
    "and", "break", "do", "else", "elseif", "end", "false", "for", "function", "goto", "if",
    "in", "local", "nil", "not", "or", "repeat", "return", "then", "true", "until", "while"};

bool IsLuaKeyword(std::string_view word) {
    for (std::string_view keyword : kLuaKeywords)
        if (word == keyword) return true;
    return false;
}

}  // namespace

// A C++ name may be a Lua keyword; the layout-only mode, whose script must
// load, gives such a name a "_".
void UseWidgetName(std::string_view name) {
    widgetIdentifier = name;
    widgetNamed = true;
    if (gLayoutOnly && IsLuaKeyword(widgetIdentifier)) widgetIdentifier += '_';
}

// widget_name: after the name
void TakeWidgetName() {
    UseWidgetName(yytext);
}

// widget_name: after "{}"
void DefaultWidgetName() {
    widgetIdentifier = "widget";
    widgetNamed = false;
}

// item (widget): after the name
void OpenWidget() {
    Emit("do %s= fltk:%s(0,0,0,0,\"\")\n", widgetIdentifier, widgetType);
    if (widgetType == "Fl_Double_Window") gWindowToCreate = widgetIdentifier;
    widgetLevel += 1;
}

// item (widget): after its child block, or once the token after its
// attributes shows that it has none
void CloseWidget() {
    widgetLevel -= 1;
    Emit("end\n");
    if (!gWindowToCreate.empty() && widgetLevel == 0) {
        Emit("%s:show()\n", gWindowToCreate);
        gWindowToCreate.clear();
    }
}

// item (group): after the name
void OpenGroup() {
    Emit("do %s= fltk:%s(0,0,0,0,\"\")\n", widgetIdentifier, widgetType);
}

// item (group, menu bar): after its child block or menu body, or once the
// token after its attributes shows that it has none
void CloseGroup() {
    Emit("Fl_Group:current(Fl_Group:current():parent())\nend\n");
}
