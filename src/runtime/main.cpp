// fluac-lua [--layout-only] [--watch] [--screenshot OUT.png | --tree] SCRIPT [ARGS...]
// fluac-lua --reference
//
// Runs a Lua script written by fluac (or by hand), or a FLUID file
// translated in memory, with real FLTK widgets.
#include <FL/Fl.H>
#include <FL/Fl_Window.H>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include <lua.hpp>

#include "binding.h"
#include "callbacks.h"
#include "file_watch.h"
#include "fl_script.h"
#include "preview.h"
#include "reference.h"
#include "screenshot.h"
#include "screenshot_hook.h"
#include "screenshot_run.h"
#include "tree.h"

namespace {

const char kUsage[] =
    "usage: fluac-lua [--screenshot OUT.png | --tree] SCRIPT.lua [ARGS...]\n"
    "       fluac-lua [--layout-only] [--watch] [--screenshot OUT.png | --tree] FILE.fl [ARGS...]\n"
    "       fluac-lua --reference\n"
    "Runs a Lua script that builds an FLTK user interface (such as one written by fluac),\n"
    "or a FLUID file, translated in memory with its own Lua code.\n"
    "With --screenshot, writes the first window the script shows as a PNG once it is\n"
    "drawn, and exits instead of entering the event loop. With --tree, needs no display:\n"
    "draws nothing, and Fl:run() prints the widget tree the script built.\n"
    "  --layout-only  run a FLUID file without its code (as when its code is not Lua)\n"
    "  --watch        keep running, and rebuild the windows each time the FLUID file\n"
    "                 is saved\n"
    "With --reference, prints every class, method, function and constant of the binding.\n";

void report(const std::string& file, const std::string& message) {
    std::fprintf(stderr, "fluac-lua: %s: %s\n", file.c_str(), message.c_str());
}

struct Options {
    const char* screenshot = nullptr;
    bool tree = false;
    bool layout_only = false;
    bool watch = false;
    const char* script = nullptr;
    int first_arg = 0;  // index in argv of the script
};

bool is_fl(const char* path) { return std::string_view(path).ends_with(".fl"); }

int usage_error() {
    std::fputs(kUsage, stderr);
    return 2;
}

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
    if (i < argc && std::strcmp(argv[i], "--reference") == 0) {
        if (i + 1 < argc) return usage_error();
        return fluac_lua::print_reference(stdout);
    }
    for (; i < argc && std::strncmp(argv[i], "--", 2) == 0; ++i) {
        const std::string_view option = argv[i];
        if (option == "--screenshot" && i + 1 < argc && !o.screenshot) {
            o.screenshot = argv[++i];
        } else if (option == "--tree") {
            o.tree = true;
        } else if (option == "--layout-only") {
            o.layout_only = true;
        } else if (option == "--watch") {
            o.watch = true;
        } else {
            return usage_error();
        }
    }
    if (i >= argc || (o.screenshot && (o.tree || o.watch))) return usage_error();
    o.script = argv[i];
    o.first_arg = i;
    if ((o.layout_only || o.watch) && !is_fl(o.script)) {
        report(o.script, "--layout-only and --watch are for FLUID files (FILE.fl)");
        return 2;
    }
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

// Runs the script (or the prepared FLUID file `fl`) in a fresh state.
int run(lua_State* L, int argc, char** argv, const Options& o, const fluac_lua::FlScript* fl) {
    luaL_openlibs(L);
    fluac_lua::open_binding(L);
    int handler = 0;
    if (fl) {
        handler = fluac_lua::load_fl(L, *fl);
        if (!handler) return 1;
    } else if (FILE* f = std::fopen(o.script, "r")) {
        std::fclose(f);
        if (luaL_loadfile(L, o.script) != LUA_OK) {
            fluac_lua::report_lua_error(L, o.script, nullptr);
            return 1;
        }
    } else {
        report(o.script, std::string("cannot open: ") + std::strerror(errno));
        return 1;
    }
    if (o.tree) fluac_lua::name_widgets_by_globals(L, -1);
    const int nargs = push_arguments(L, argc, argv, o.first_arg);
    if (lua_pcall(L, nargs, 0, handler) != LUA_OK && !fluac_lua::is_stop_signal(L, -1)) {
        fluac_lua::report_lua_error(L, o.script, fl);
        return 1;
    }
    if (o.tree && fluac_lua::trees_printed() == 0) {
        report(o.script, "the script ended without calling Fl:run(), so no tree was printed");
        return 1;
    }
    return o.screenshot ? take_screenshot(L, o) : 0;
}

int raise_pending(lua_State* L) {
    fluac_lua::raise_pending_error(L);
    return 0;
}

// --watch: the event loop, which rebuilds the widgets in a fresh state each
// time the file is saved and translates; a file that does not keeps the
// widgets there are. Ends when the last window shown is closed.
int watch(int argc, char** argv, const Options& o) {
    fluac_lua::FileWatch file(o.script);
    fluac_lua::FlScript fl;
    if (!fluac_lua::prepare_fl(o.script, o.layout_only, false, fl)) return 1;
    lua_State* L = nullptr;
    bool had_window = false;
    for (bool rebuild = true;; rebuild = file.take_saved()) {
        if (rebuild) {
            fluac_lua::FlScript next;
            const bool quiet = fl.layout_only && !o.layout_only;  // the fallback was told already
            if (L && !fluac_lua::prepare_fl(o.script, o.layout_only, quiet, next)) continue;
            const Fl_Window* old = Fl::first_window();
            const bool placed = old != nullptr;
            const int x = placed ? old->x() : 0, y = placed ? old->y() : 0;
            if (L) {
                fluac_lua::close_binding();
                lua_close(L);
                fl = std::move(next);
            }
            L = luaL_newstate();
            if (!L) {
                report(o.script, "cannot create the Lua state");
                return 1;
            }
            run(L, argc, argv, o, &fl);
            lua_settop(L, 0);
            if (Fl_Window* now = Fl::first_window(); now && placed) now->position(x, y);
            had_window = Fl::first_window() != nullptr;
        }
        if (had_window && !Fl::first_window()) break;
        Fl::wait(1e20);
        if (fluac_lua::error_pending()) {
            lua_pushcfunction(L, raise_pending);
            if (lua_pcall(L, 0, 0, 0) != LUA_OK) fluac_lua::report_lua_error(L, o.script, &fl);
            lua_settop(L, 0);
        }
    }
    fluac_lua::close_binding();
    lua_close(L);
    return 0;
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
    if (o.watch) {
        fluac_lua::enable_watch_mode();
        return watch(argc, argv, o);
    }
    fluac_lua::FlScript fl;
    if (is_fl(o.script) && !fluac_lua::prepare_fl(o.script, o.layout_only, false, fl)) return 1;
    lua_State* L = luaL_newstate();
    if (!L) {
        report(o.script, "cannot create the Lua state");
        return 1;
    }
    const int status = run(L, argc, argv, o, is_fl(o.script) ? &fl : nullptr);
    fluac_lua::close_binding();
    lua_close(L);
    return status;
}
