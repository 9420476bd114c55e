#include "methods.h"

#include <FL/Fl_Window.H>

#include <cxxabi.h>

#include <cstdlib>
#include <map>
#include <string>
#include <typeindex>

namespace fluac_lua {

const char* readable_name(const std::type_info& type) {
    static std::map<std::type_index, std::string> names;
    auto [it, added] = names.try_emplace(type);
    if (added) {
        int status = 0;
        char* name = abi::__cxa_demangle(type.name(), nullptr, nullptr, &status);
        it->second = status == 0 ? name : type.name();
        std::free(name);
    }
    return it->second.c_str();
}

void set_label(Fl_Widget* w, const char* text) {
    // FLTK lays out an empty label as a line of text (an image above it moves
    // up), while FLUID writes no label at all; fluac's constructors pass "".
    if (text && !*text) text = nullptr;
    // Fl_Window::copy_label hides Fl_Widget's: only it retitles a shown window.
    if (Fl_Window* win = w->as_window())
        win->copy_label(text);
    else
        w->copy_label(text);
}

}  // namespace fluac_lua
