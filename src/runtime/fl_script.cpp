#include "fl_script.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "callbacks.h"
#include "script_structure.h"
#include "translator/translate.h"

namespace fluac_lua {

namespace {

// Where a message's leading "FILE:LINE: " ends, or 0 without one.
std::size_t position_end(const char* message, std::size_t* colon = nullptr, long* line = nullptr) {
    const char* c = std::strchr(message, ':');
    if (!c || c == message || std::memchr(message, '\n', static_cast<std::size_t>(c - message))) return 0;
    const char* p = c + 1;
    if (!std::isdigit(static_cast<unsigned char>(*p))) return 0;
    long n = 0;
    for (; std::isdigit(static_cast<unsigned char>(*p)); ++p) n = n < 100000000 ? n * 10 + (*p - '0') : n;
    if (p[0] != ':' || p[1] != ' ') return 0;
    if (colon) *colon = static_cast<std::size_t>(c - message);
    if (line) *line = n;
    return static_cast<std::size_t>(p + 2 - message);
}

// Whether Lua's name of a chunk (which shortens long paths to "...TAIL") is the file's.
bool names_file(std::string_view id, const std::string& path) {
    if (id == path) return true;
    return id.size() > 3 && id.substr(0, 3) == "..." && path.ends_with(id.substr(3));
}

std::string chunk_name(const FlScript& fl) { return "@" + fl.path; }

bool translate(const std::string& text, bool layout_only, FlScript& fl) {
    fluac::TranslateOptions options;
    options.extended = true;
    options.layoutOnly = layout_only;
    options.program = "fluac-lua";
    fluac::Translation t = fluac::translate_text(text, fl.path.c_str(), options);
    if (t.status != 0 || !t.messages.empty()) {
        std::fputs(t.messages.c_str(), stderr);
        return false;
    }
    fl.script = std::move(t.script);
    fl.lines = std::move(t.sourceLines);
    fl.layout_only = layout_only;
    return true;
}

bool compile(lua_State* L, const FlScript& fl) {
    return luaL_loadbufferx(L, fl.script.data(), fl.script.size(), chunk_name(fl).c_str(), "t") == LUA_OK;
}

// The message of the script's first Lua error, or empty when it compiles.
std::string compile_error(const FlScript& fl) {
    lua_State* L = luaL_newstate();
    if (!L) return "cannot create a Lua state";
    std::string error;
    if (!compile(L, fl)) error = fl_message(fl, lua_tostring(L, -1));
    lua_close(L);
    return error;
}

void print_message(const std::string& file, const std::string& message) {
    if (position_end(message.c_str()))
        std::fprintf(stderr, "fluac-lua: %s\n", message.c_str());
    else
        std::fprintf(stderr, "fluac-lua: %s: %s\n", file.c_str(), message.c_str());
}

int message_handler(lua_State* L) {
    const auto* fl = static_cast<const FlScript*>(lua_touserdata(L, lua_upvalueindex(1)));
    const char* message = lua_type(L, 1) == LUA_TSTRING ? lua_tostring(L, 1) : nullptr;
    if (!message || position_end(message)) return 1;
    const std::string chunk = chunk_name(*fl);
    lua_Debug ar;
    for (int level = 1; lua_getstack(L, level, &ar); ++level) {
        if (!lua_getinfo(L, "Sl", &ar) || ar.currentline <= 0 || chunk != ar.source) continue;
        lua_pushfstring(L, "%s:%d: %s", ar.short_src, ar.currentline, message);
        return 1;
    }
    return 1;
}

}  // namespace

bool prepare_fl(const char* path, bool layout_only, bool quiet_fallback, FlScript& fl) {
    std::string text;
    std::FILE* f = std::fopen(path, "rb");
    if (!f) {
        print_message(path, std::string("cannot open: ") + std::strerror(errno));
        return false;
    }
    char buffer[1 << 16];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) text.append(buffer, n);
    const bool read_error = std::ferror(f);
    std::fclose(f);
    if (read_error) {
        print_message(path, "cannot read the file");
        return false;
    }
    fl.path = path;
    if (!translate(text, layout_only, fl)) return false;
    std::string error = compile_error(fl);
    if (error.empty()) return true;
    if (!layout_only) {
        if (!quiet_fallback)
            print_message(path, error + "; the file's code is not Lua, so only its layout runs");
        if (!translate(text, true, fl)) return false;
        error = compile_error(fl);
        if (error.empty()) return true;
    }
    print_message(path, error);
    return false;
}

int load_fl(lua_State* L, const FlScript& fl) {
    lua_pushlightuserdata(L, const_cast<FlScript*>(&fl));
    lua_pushcclosure(L, message_handler, 1);
    set_callback_message_handler(L, -1);
    const int handler = lua_gettop(L);
    give_chunk_text(chunk_name(fl), fl.script);
    if (compile(L, fl)) return handler;
    report_lua_error(L, fl.path, &fl);
    return 0;
}

std::string fl_message(const FlScript& fl, const char* message) {
    std::size_t colon = 0;
    long line = 0;
    const std::size_t end = position_end(message, &colon, &line);
    if (!end || !names_file(std::string_view(message, colon), fl.path)) return message;
    if (line >= 1 && static_cast<std::size_t>(line) <= fl.lines.size()) line = fl.lines[static_cast<std::size_t>(line) - 1];
    return fl.path + ":" + std::to_string(line) + ": " + (message + end);
}

void report_lua_error(lua_State* L, const std::string& file, const FlScript* fl) {
    const char* message = lua_tostring(L, -1);
    if (!message) message = lua_pushfstring(L, "(error object is a %s value)", luaL_typename(L, -1));
    print_message(file, fl ? fl_message(*fl, message) : message);
}

}  // namespace fluac_lua
