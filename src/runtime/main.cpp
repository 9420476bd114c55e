// fluac-lua [--screenshot OUT.png | --tree] SCRIPT.lua [ARGS...]
//
// Runs a Lua script written by fluac (or by hand) with real FLTK widgets.
#include <FL/Fl.H>
#include <FL/Fl_Window.H>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include <lua.hpp>

#include "binding.h"
#include "preview.h"
#include "screenshot.h"
#include "screenshot_hook.h"
#include "screenshot_run.h"
#include "tree.h"

namespace {

const char kUsage[] =
    "usage: fluac-lua [--screenshot OUT.png | --tree] SCRIPT.lua [ARGS...]\n"
    "Runs a Lua script that builds an FLTK user interface (such as one written by fluac).\n"
    "With --screenshot, writes the first window the script shows as a PNG once it is\n"
    "drawn, and exits instead of entering the event loop. With --tree, needs no display:\n"
    "draws nothing, and Fl:run() prints the widget tree the script built.\n";

void report(const std::string& file, const std::string& message) {
    std::fprintf(stderr, "fluac-lua: %s: %s\n", file.c_str(), message.c_str());
}

// Lua's messages already begin with "FILE:LINE: " when they have a position.
bool has_position(const char* message) {
    const char* colon = std::strchr(message, ':');
    if (!colon || colon == message || std::memchr(message, '\n', colon - message)) return false;
    const char* p = colon + 1;
    if (!std::isdigit(static_cast<unsigned char>(*p))) return false;
    while (std::isdigit(static_cast<unsigned char>(*p))) ++p;
    return p[0] == ':' && p[1] == ' ';
}

void report_lua_error(lua_State* L, const std::string& script) {
    const char* message = lua_tostring(L, -1);
    if (!message)
        message = lua_pushfstring(L, "(error object is a %s value)", luaL_typename(L, -1));
    if (has_position(message))
        std::fprintf(stderr, "fluac-lua: %s\n", message);
    else
        report(script, message);
}

struct Options {
    const char* screenshot = nullptr;
    bool tree = false;
    const char* script = nullptr;
    int first_arg = 0;  // index in argv of the script
};

// Returns -1 when the command line is fine, otherwise the exit status.
int parse(int argc, char** argv, Options& o) {
    int i = 1;
    if (i < argc && std::strcmp(argv[i], "--help") == 0) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (i < argc && std::strcmp(argv[i], "--version") == 0) {
        std::puts("fluac-lua " FLUAC_VERSION);
        return 0;
    }
    if (i < argc && std::strcmp(argv[i], "--screenshot") == 0) {
        if (i + 1 >= argc) {
            std::fputs(kUsage, stderr);
            return 2;
        }
        o.screenshot = argv[i + 1];
        i += 2;
    } else if (i < argc && std::strcmp(argv[i], "--tree") == 0) {
        o.tree = true;
        ++i;
    }
    if (i >= argc) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    o.script = argv[i];
    o.first_arg = i;
    return -1;
}

// The global arg table, as the standalone interpreter sets it, and the same
// arguments on the stack for the chunk.
int push_arguments(lua_State* L, int argc, char** argv, int script_index) {
    lua_createtable(L, argc - script_index - 1, script_index + 1);
    for (int i = 0; i < argc; ++i) {
        lua_pushstring(L, argv[i]);
        lua_rawseti(L, -2, i - script_index);
    }
    lua_setglobal(L, "arg");
    for (int i = script_index + 1; i < argc; ++i) lua_pushstring(L, argv[i]);
    return argc - script_index - 1;
}

int take_screenshot(lua_State* L, const Options& o) {
    std::string error, file;
    if (fluac_lua::screenshot_first_window(L, o.screenshot, error, file)) return 0;
    report(file.empty() ? o.script : file, error);
    return 1;
}

int run(lua_State* L, int argc, char** argv, const Options& o) {
    luaL_openlibs(L);
    fluac_lua::open_binding(L);
    if (FILE* f = std::fopen(o.script, "r")) {
        std::fclose(f);
    } else {
        report(o.script, std::string("cannot open: ") + std::strerror(errno));
        return 1;
    }
    if (luaL_loadfile(L, o.script) != LUA_OK) {
        report_lua_error(L, o.script);
        return 1;
    }
    if (o.tree) fluac_lua::name_widgets_by_globals(L, -1);
    const int nargs = push_arguments(L, argc, argv, o.first_arg);
    if (lua_pcall(L, nargs, 0, 0) != LUA_OK && !fluac_lua::is_stop_signal(L, -1)) {
        report_lua_error(L, o.script);
        return 1;
    }
    if (o.tree && fluac_lua::trees_printed() == 0) {
        report(o.script, "the script ended without calling Fl:run(), so no tree was printed");
        return 1;
    }
    return o.screenshot ? take_screenshot(L, o) : 0;
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    if (const int status = parse(argc, argv, o); status >= 0) return status;
    if (o.screenshot) {
        fluac_lua::enable_screenshot_mode();
        fluac_screenshot::prepare();
    }
    if (o.tree) fluac_lua::enable_tree_mode();
    lua_State* L = luaL_newstate();
    if (!L) {
        report(o.script, "cannot create the Lua state");
        return 1;
    }
    const int status = run(L, argc, argv, o);
    fluac_lua::close_binding();
    lua_close(L);
    return status;
}
