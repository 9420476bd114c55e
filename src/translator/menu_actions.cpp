// Actions for menu bars, submenus and menu items. Each submenu depth d has a
// Lua variable menudir<d> holding its path prefix; an item assigns its label,
// callback and user data to fixed variables and is added when it closes.
#include <cstdint>
#include <string_view>

#include "translator/actions.h"
#include "translator/constants.h"
#include "output/emit.h"
#include "translator/numbers.h"
#include "translator/context.h"

// item (menu bar): after the name
void OpenMenuBar(Context& ctx) {
    Emit(ctx.out, "do %s= fltk:%s(0,0,0,0,\"\")\nmenudir0=\"\"\n", ctx.widget.identifier, ctx.widget.type);
    ctx.menu.currentMenubar = ctx.widget.identifier;
}

// submenu: Submenu has been read as the next entry, not yet shifted
void EnterSubmenu(Context& ctx) {
    ctx.menu.level += 1;
}

// submenu: after its menu body, or once the token after its attributes
// shows that it has none
void LeaveSubmenu(Context& ctx) {
    ctx.menu.level -= 1;
}

// submenu_attributes: after label
void BeginSubmenuLabel(Context& ctx) {
    Emit(ctx.out, "menudir%d=menudir%d..\"", ctx.menu.level, ctx.menu.level - 1);
    BeginQuotedText(ctx);
}

// submenu_attributes: after the label's closing
void EndSubmenuLabel(Context& ctx) {
    ctx.out.EndTextSink();
    Emit(ctx.out, "/\"\n");
}

// menu_item: after the "{" that opens its attributes
void ResetMenuItemSettings(Context& ctx) {
    ctx.menu.itemName = "Item";
    ctx.menu.itemCallback = "nil";
    ctx.menu.itemUserdata = "nil";
    ctx.menu.itemType = 0;
    ctx.menu.itemShortcut = 0;
}

// menu_item_attributes: after label
void BeginItemLabel(Context& ctx) {
    ctx.menu.itemName = "itemname";
    Emit(ctx.out, "itemname=menudir%d..\"", ctx.menu.level);
    BeginQuotedText(ctx);
}

// menu_item_attributes: after the closing of a label or of user data
void EndQuotedLine(Context& ctx) {
    ctx.out.EndTextSink();
    Emit(ctx.out, "\"\n");
}

namespace {

// An item's callback or user data is assigned to a fixed variable, and its
// slot names that variable for the add call. Without code (the layout-only
// mode) the assignment is only shown and the slot keeps nil.
void BeginItemAssignment(Context& ctx, const char*& slot, const char* variable) {
    if (ctx.mode.layoutOnly)
        ctx.out.WriteText("--");
    else
        slot = variable;
    ctx.out.WriteText(variable);
    ctx.out.WriteText("=");
}

}  // namespace

// menu_item_attributes: after callback
void BeginItemCallback(Context& ctx) {
    BeginItemAssignment(ctx, ctx.menu.itemCallback, "itemcallback");
}

// menu_item_attributes: after user_data
void BeginItemUserdata(Context& ctx) {
    BeginItemAssignment(ctx, ctx.menu.itemUserdata, "itemuserdata");
    ctx.out.WriteText("\"");
}

// menu_item_attributes: after the HEX of shortcut
void TakeItemShortcut(Context& ctx) {
    ctx.menu.itemShortcut = HexToInt32(ctx.Text());
}

// menu_item_attributes: after the word of type
void TakeItemType(Context& ctx) {
    ctx.menu.itemType = FluidMenuConstantToNumber(ctx.Text());
}

// menu_item: after its closing "}"
void EmitMenuItemAdd(Context& ctx) {
    const MenuState& menu = ctx.menu;
    Emit(ctx.out, "%s:add(%s,%d,%s,%s,%d)\n", menu.currentMenubar, menu.itemName, menu.itemShortcut,
         menu.itemCallback, menu.itemUserdata, menu.itemType);
}
