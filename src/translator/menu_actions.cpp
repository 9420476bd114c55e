// Actions for menu bars, submenus and menu items. Each submenu depth d has a
// Lua variable menudir<d> holding its path prefix; an item assigns its label,
// callback and user data to fixed variables and is added when it closes.
#include <cstdint>
#include <string_view>

#include "scanner/scanner.h"
#include "translator/actions.h"
#include "translator/constants.h"
#include "translator/emit.h"
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

// menu_item_attributes: after callback
// Without code (the layout-only mode) the assignment is only shown.
void BeginItemCallback() {
    if (gLayoutOnly) {
        Emit("--itemcallback=");
        return;
    }
    gMenuItemCallback = "itemcallback";
    Emit("itemcallback=");
}

// menu_item_attributes: after user_data
void BeginItemUserdata() {
    if (gLayoutOnly) {
        Emit("--itemuserdata=\"");
        return;
    }
    gMenuItemUserdata = "itemuserdata";
    Emit("itemuserdata=\"");
}

// menu_item_attributes: after the HEX of shortcut. The digits are read in
// base 16 and the value's low 32 bits taken as a signed integer, so any
// number of digits is safe and leading zeros do not matter.
void TakeItemShortcut() {
    std::string_view digits(yytext);
    digits.remove_prefix(2);  // "0x"
    std::uint32_t value = 0;
    for (char c : digits) {
        unsigned digit = c <= '9' ? static_cast<unsigned>(c - '0') : static_cast<unsigned>(c - 'a' + 10);
        value = (value << 4) | digit;
    }
    gMenuItemShortcut = static_cast<std::int32_t>(value);
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
