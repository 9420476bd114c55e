// Actions for the function block, its items and widget blocks.
#include <string_view>

#include "translator/actions.h"
#include "output/emit.h"
#include "translator/context.h"

// function_block: after the "{" that follows Function
void EmitFunctionHead(Context& ctx) {
    Emit(ctx.out, "--function ");
}

// function_block: after the function's name
void EmitTokenText(Context& ctx) {
    Emit(ctx.out, "%s", ctx.Text());
}

// function_block: after the ")"
void EmitFunctionParens(Context& ctx) {
    Emit(ctx.out, "()\n");
}

// function_block: after its closing "}"
void EmitFunctionEnd(Context& ctx) {
    Emit(ctx.out, "\n--end\n");
}

// item_list: between two items, once the next item's first token is read;
// also after the text of code0..code3 and of a menu item's callback
void EmitNewline(Context& ctx) {
    Emit(ctx.out, "\n");
}

// item: the class token of a widget, group or menu bar is read, not yet shifted
void BeginWidgetClass(Context& ctx) {
    ctx.widget.ignoreType = 0;
    ctx.widget.type.clear();
}

// widget_class: after Fl_Window
void UseImplicitWindow(Context& ctx) {
    ctx.widget.ignoreType = 1;
    ctx.widget.type = "Fl_Double_Window";
}

// item: after the class token
void TakeWidgetClass(Context& ctx) {
    if (ctx.widget.type.empty()) ctx.widget.type = ctx.Text();
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
void UseWidgetName(Context& ctx, std::string_view name) {
    ctx.widget.identifier = name;
    ctx.widget.named = true;
    if (ctx.mode.layoutOnly && IsLuaKeyword(ctx.widget.identifier)) ctx.widget.identifier += '_';
}

// widget_name: after the name
void TakeWidgetName(Context& ctx) {
    UseWidgetName(ctx, ctx.Text());
}

// widget_name: after "{}"
void DefaultWidgetName(Context& ctx) {
    ctx.widget.identifier = "widget";
    ctx.widget.named = false;
}

// item (widget): after the name
void OpenWidget(Context& ctx) {
    Emit(ctx.out, "do %s= fltk:%s(0,0,0,0,\"\")\n", ctx.widget.identifier, ctx.widget.type);
    if (ctx.widget.type == "Fl_Double_Window") ctx.widget.windowToCreate = ctx.widget.identifier;
    ctx.widget.level += 1;
}

// item (widget): after its child block, or once the token after its
// attributes shows that it has none
void CloseWidget(Context& ctx) {
    ctx.widget.level -= 1;
    Emit(ctx.out, "end\n");
    if (!ctx.widget.windowToCreate.empty() && ctx.widget.level == 0) {
        Emit(ctx.out, "%s:show()\n", ctx.widget.windowToCreate);
        ctx.widget.windowToCreate.clear();
    }
}

// item (group): after the name
void OpenGroup(Context& ctx) {
    Emit(ctx.out, "do %s= fltk:%s(0,0,0,0,\"\")\n", ctx.widget.identifier, ctx.widget.type);
}

// item (group, menu bar): after its child block or menu body, or once the
// token after its attributes shows that it has none
void CloseGroup(Context& ctx) {
    Emit(ctx.out, "Fl_Group:current(Fl_Group:current():parent())\nend\n");
}
