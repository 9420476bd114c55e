#include "display.h"

#include <FL/x.H>

#include "tree.h"

namespace fluac_lua {

void need_display(lua_State* L) {
    if (fl_display) return;
    if (tree_mode()) luaL_error(L, "this call needs a display, and --tree opens none");
    Display* d = XOpenDisplay(nullptr);
    if (!d) luaL_error(L, "cannot open the X display '%s'", XDisplayName(nullptr));
    fl_open_display(d);
}

}  // namespace fluac_lua
