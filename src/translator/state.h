// The translation state: what one grammar action leaves for a later one.
// One translation per process; nothing here is reset between actions as a
// whole (ResetTranslation exists for the tests and the fuzzer only).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// --- widgets ----------------------------------------------------------------
extern std::string widgetIdentifier;  // Lua variable of the widget, menu item or submenu being read
extern bool widgetNamed;              // whether the file named it (or it took the default name)
extern std::string widgetType;        // class written into the constructor call
extern int ignoreType;                // 1 while the widget is an Fl_Window: its type is dropped
extern long widgetLevel;              // widget blocks opened and not yet closed (groups do not count)
extern std::string gWindowToCreate;   // last window opened, shown when widgetLevel is back to 0
extern std::string gFluidConstant;    // the two words of a braced type, joined by "_"
extern int rectx;                     // the four numbers of the last xywh or size_range
extern int recty;
extern int rectw;
extern int recth;

// --- menus ------------------------------------------------------------------
extern std::string gCurrentMenubar;   // menu bar that receives the add calls
extern long gMenuLevel;               // submenu depth; 0 directly inside the menu bar
extern const char* gMenuItemName;     // Lua expression for the pending item's label
extern const char* gMenuItemCallback; // "nil", or "itemcallback" once the item has a callback
extern const char* gMenuItemUserdata; // "nil", or "itemuserdata" once the item has user data
extern std::int32_t gMenuItemShortcut; // the item's shortcut
extern int gMenuItemType;             // the item's flags: 2 toggle, 8 radio, 0 otherwise
extern int gMenuItemFlags;            // flags the extended mode adds: divider, inactive, hidden, ...
extern int gMenuItemKind;             // the flags an item keyword implies (CheckMenuItem: toggle)
extern bool gEntryIsSubmenu;          // the entry being read is a submenu
extern std::string gEntryCalls;       // calls on the entry, written once it has been added

// --- classes (extended mode) ---------------------------------------------------
extern std::string className;                 // the words of the class being named
extern std::vector<std::string> openClasses;  // the classes being read, innermost last
extern std::string gClassAttribute;           // the widget's "class" attribute, if any
extern bool gInGroupClass;                    // a widget_class that is a group is being read

// Puts every slot above back to its value at program start.
void ResetTranslation();
