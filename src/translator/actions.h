// The grammar's actions. Each one runs at a fixed point of the grammar and
// either writes a piece of Lua or records a value for a later action; the
// ones that look at the input read the context's Text, the token fetched last.
#pragma once

#include <string_view>

struct Context;

// --- function block and items (widget_actions.cpp) --------------------------
void EmitFunctionHead(Context& ctx);
void EmitTokenText(Context& ctx);
void EmitFunctionParens(Context& ctx);
void EmitFunctionEnd(Context& ctx);
void EmitNewline(Context& ctx);

// --- widget blocks (widget_actions.cpp) -------------------------------------
void BeginWidgetClass(Context& ctx);
void UseImplicitWindow(Context& ctx);
void TakeWidgetClass(Context& ctx);
void TakeWidgetName(Context& ctx);
// The widget's name from the file (TakeWidgetName's work, for any text).
void UseWidgetName(Context& ctx, std::string_view name);
void DefaultWidgetName(Context& ctx);
void OpenWidget(Context& ctx);
void CloseWidget(Context& ctx);
void OpenGroup(Context& ctx);
void CloseGroup(Context& ctx);

// --- attributes (attribute_actions.cpp) -------------------------------------
void BeginQuotedText(Context& ctx);
void BeginLabel(Context& ctx);
void BeginTooltip(Context& ctx);
void EndQuotedCall(Context& ctx);
void BeginCallback(Context& ctx);
void EndCall(Context& ctx);
void BeginImage(Context& ctx);
void EndImage(Context& ctx);
void TakeRectX(Context& ctx);
void TakeRectY(Context& ctx);
void TakeRectW(Context& ctx);
void TakeRectH(Context& ctx);
void EmitResize(Context& ctx);
void EmitSizeRange(Context& ctx);
void EmitType(Context& ctx);
void BeginTypePair(Context& ctx);
void EndTypePair(Context& ctx);
void EmitMinimum(Context& ctx);
void EmitMaximum(Context& ctx);
void EmitStep(Context& ctx);
void EmitValue(Context& ctx);
void EmitColor(Context& ctx);
void EmitLabelcolor(Context& ctx);
void EmitSelectionColor(Context& ctx);
void EmitTextcolor(Context& ctx);
void EmitBox(Context& ctx);
void EmitDownBox(Context& ctx);
void EmitLabeltype(Context& ctx);
void EmitHiddenShow(Context& ctx);
void EmitResizable(Context& ctx);
// after the number of an attribute that FLTK takes as an integer
void EmitIntegerCall(Context& ctx, const char* method);
void ReportUnknownAttribute(Context& ctx);

// --- menus (menu_actions.cpp) -----------------------------------------------
void OpenMenuBar(Context& ctx);
void EnterSubmenu(Context& ctx);
void LeaveSubmenu(Context& ctx);
void BeginSubmenuLabel(Context& ctx);
void EndSubmenuLabel(Context& ctx);
void ResetMenuItemSettings(Context& ctx);
void BeginItemLabel(Context& ctx);
void EndQuotedLine(Context& ctx);
void BeginItemCallback(Context& ctx);
void BeginItemUserdata(Context& ctx);
void TakeItemShortcut(Context& ctx);
void TakeItemType(Context& ctx);
void EmitMenuItemAdd(Context& ctx);
