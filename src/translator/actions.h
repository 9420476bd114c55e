// The grammar's actions. Each one runs at a fixed point of the grammar and
// either writes a piece of Lua or records a value for a later action; the
// ones that look at the input read yytext, the token fetched last.
#pragma once

#include <string_view>

// --- function block and items (widget_actions.cpp) --------------------------
void EmitFunctionHead();
void EmitTokenText();
void EmitFunctionParens();
void EmitFunctionEnd();
void EmitNewline();

// --- widget blocks (widget_actions.cpp) -------------------------------------
void BeginWidgetClass();
void UseImplicitWindow();
void TakeWidgetClass();
void TakeWidgetName();
// The widget's name from the file (TakeWidgetName's work, for any text).
void UseWidgetName(std::string_view name);
void DefaultWidgetName();
void OpenWidget();
void CloseWidget();
void OpenGroup();
void CloseGroup();

// --- attributes (attribute_actions.cpp) -------------------------------------
void BeginQuotedText();
void BeginLabel();
void BeginTooltip();
void EndQuotedCall();
void BeginCallback();
void EndCall();
void BeginImage();
void EndImage();
void TakeRectX();
void TakeRectY();
void TakeRectW();
void TakeRectH();
void EmitResize();
void EmitSizeRange();
void EmitType();
void BeginTypePair();
void EndTypePair();
void EmitMinimum();
void EmitMaximum();
void EmitStep();
void EmitValue();
void EmitTextsize();
void EmitLabelsize();
void EmitAlign();
void EmitWhen();
void EmitTextfont();
void EmitLabelfont();
void EmitColor();
void EmitLabelcolor();
void EmitSelectionColor();
void EmitTextcolor();
void EmitBox();
void EmitDownBox();
void EmitLabeltype();
void EmitHiddenShow();
void EmitResizable();
void ReportUnknownAttribute();

// --- menus (menu_actions.cpp) -----------------------------------------------
void OpenMenuBar();
void EnterSubmenu();
void LeaveSubmenu();
void BeginSubmenuLabel();
void EndSubmenuLabel();
void ResetMenuItemSettings();
void BeginItemLabel();
void EndQuotedLine();
void BeginItemCallback();
void BeginItemUserdata();
void TakeItemShortcut();
void TakeItemType();
void EmitMenuItemAdd();
