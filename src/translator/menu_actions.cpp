// Actions for menu bars, submenus and menu items. Each submenu depth d has a
// Lua variable menudir<d> holding its path prefix; an item assigns its label,
// callback and user data to fixed variables and is added when it closes.
#include <cstdint>
#include <string_view>

#include "scanner/scanner.h"
#include "translator/actions.h"
#include "translator/constants.h"
#include "translator/emit.h"
#include "translator/numbers.h"
#include "translator/state.h"

// item (menu bar): after the name
void OpenMenuBar() {
    Emit("do %s= fltk:%s(0,0,0,0,\"\")\nmenudir0=\"\"\n", widgetIdentifier, widgetType);
    gCurrentMenubar = widgetIdentifier;
}

// submenu: Submenu has been read as the next entry, not yet shifted
void EnterSubmenu() {
    gMenuLevel += 1;
}

// submenu: after its menu body, or once the token after its attributes
// shows that it has none
void LeaveSubmenu() {
    gMenuLevel -= 1;
}

// submenu_attributes: after label
void BeginSubmenuLabel() {
    Emit("menudir%d=menudir%d..\"", gMenuLevel, gMenuLevel - 1);
    BeginQuotedText();
}

// submenu_attributes: after the label's closing
void EndSubmenuLabel() {
    EndTextSink();
    Emit("/\"\n");
}

// menu_item: after the "{" that opens its attributes
void ResetMenuItemSettings() {
    gMenuItemName = "Item";
    gMenuItemCallback = "nil";
    gMenuItemUserdata = "nil";
    gMenuItemType = 0;
    gMenuItemShortcut = 0;
}

// menu_item_attributes: after label
void BeginItemLabel() {
    gMenuItemName = "itemname";
    Emit("itemname=menudir%d..\"", gMenuLevel);
    BeginQuotedText();
}

// menu_item_attributes: after the closing of a label or of user data
void EndQuotedLine() {
    EndTextSink();
    Emit("\"\n");
}

namespace {

// An item's callback or user data is assigned to a fixed variable, and its
// slot names that variable for the add call. Without code (the layout-only
// mode) the assignment is only shown and the slot keeps nil.
void BeginItemAssignment(const char*& slot, const char* variable) {
    if (gLayoutOnly)
        WriteText("--");
    else
        slot = variable;
    WriteText(variable);
    WriteText("=");
}

}  // namespace

// menu_item_attributes: after callback
void BeginItemCallback() {
    BeginItemAssignment(gMenuItemCallback, "itemcallback");
}

// menu_item_attributes: after user_data
void BeginItemUserdata() {
    BeginItemAssignment(gMenuItemUserdata, "itemuserdata");
    WriteText("\"");
}

// menu_item_attributes: after the HEX of shortcut
void TakeItemShortcut() {
    gMenuItemShortcut = HexToInt32(yytext);
}

// menu_item_attributes: after the word of type
void TakeItemType() {
    gMenuItemType = FluidMenuConstantToNumber(yytext);
}

// menu_item: after its closing "}"
void EmitMenuItemAdd() {
    Emit("%s:add(%s,%d,%s,%s,%d)\n", gCurrentMenubar, gMenuItemName, gMenuItemShortcut,
         gMenuItemCallback, gMenuItemUserdata, gMenuItemType);
}
