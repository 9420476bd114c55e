// One translation: its mode, its output, its scanner, and what one grammar
// action leaves for a later one. Every action takes it; nothing of a
// translation lives anywhere else.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "output/output.h"
#include "scanner/scanner.h"

struct WidgetState {
    std::string identifier;     // Lua variable of the widget, menu item or submenu being read
    bool named = false;         // whether the file named it (or it took the default name)
    std::string type;           // class written into the constructor call
    int ignoreType = 0;         // 1 while the widget is an Fl_Window: its type is dropped
    long level = 0;             // widget blocks opened and not yet closed (groups do not count)
    std::string windowToCreate; // last window opened, shown when level is back to 0
    std::string fluidConstant;  // the two words of a braced type, joined by "_"
    int rectx = 0;              // the four numbers of the last xywh or size_range
    int recty = 0;
    int rectw = 0;
    int recth = 0;
};

struct MenuState {
    std::string currentMenubar;         // menu bar that receives the add calls
    long level = 0;                     // submenu depth; 0 directly inside the menu bar
    const char* itemName = "nil";       // Lua expression for the pending item's label
    const char* itemCallback = "nil";   // "nil", or "itemcallback" once the item has a callback
    const char* itemUserdata = "nil";   // "nil", or "itemuserdata" once the item has user data
    std::int32_t itemShortcut = 0;      // the item's shortcut
    int itemType = 0;                   // the item's flags: 2 toggle, 8 radio, 0 otherwise
    int itemFlags = 0;                  // flags the extended mode adds: divider, inactive, hidden, ...
    int itemKind = 0;                   // the flags an item keyword implies (CheckMenuItem: toggle)
    bool entryIsSubmenu = false;        // the entry being read is a submenu
    std::string entryCalls;             // calls on the entry, written once it has been added
};

// Classes, read in the extended mode only.
struct ClassState {
    std::string name;                       // the words of the class being named
    std::vector<std::string> open;          // the classes being read, innermost last
    std::string attribute;                  // the widget's "class" attribute, if any
    bool inGroupClass = false;              // a widget_class that is a group is being read
};

struct Context {
    // Reads in (standard input when null) and writes the script to script.
    Context(std::FILE* in, std::FILE* script, Mode translationMode)
        : mode(translationMode), out(script), scanner(in, out, translationMode) {}

    // The token fetched last, NUL-terminated.
    const char* Text() const { return scanner.text; }
    std::string_view Lexeme() const { return scanner.Lexeme(); }

    const Mode mode;
    Output out;
    Scanner scanner;
    WidgetState widget;
    MenuState menu;
    ClassState classes;
    // The message of the parser's last error call, or null when it has not called it.
    const char* parseFailure = nullptr;
};
