#include "fl_script.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "callbacks.h"
#include "script_structure.h"
#include "tree.h"
#include "translator/translate.h"

namespace fluac_lua {

namespace {

// The length of ":LINE: " at the start of `text`, or 0 when it is not there.
std::size_t line_part(std::string_view text, long* line) {
    std::size_t i = 1;
    long n = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
        n = n < 100000000 ? n * 10 + (text[i] - '0') : n;
    if (text.empty() || text[0] != ':' || i == 1 || text.substr(i, 2) != ": ") return 0;
    if (line) *line = n;
    return i + 2;
}

// Whether the message begins with "FILE:LINE: ".
bool has_position(std::string_view message) {
    const std::size_t colon = message.find(':');
    if (colon == 0 || colon == std::string_view::npos || message.substr(0, colon).find('\n') != std::string_view::npos)
        return false;
    return line_part(message.substr(colon), nullptr) != 0;
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
std::string compile_error(FlScript& fl) {
    lua_State* L = luaL_newstate();
    if (!L) return "cannot create a Lua state";
    std::string error;
    lua_Debug ar;
    if (luaL_loadbuffer(L, "", 0, chunk_name(fl).c_str()) == LUA_OK && lua_getinfo(L, ">S", &ar))
        fl.chunk_id = ar.short_src;
    if (!compile(L, fl)) error = fl_message(fl, lua_tostring(L, -1));
    lua_close(L);
    return error;
}

void print_message(const std::string& file, const std::string& message) {
    if (has_position(message))
        std::fprintf(stderr, "fluac-lua: %s\n", message.c_str());
    else
        std::fprintf(stderr, "fluac-lua: %s: %s\n", file.c_str(), message.c_str());
}

int message_handler(lua_State* L) {
    const auto* fl = static_cast<const FlScript*>(lua_touserdata(L, lua_upvalueindex(1)));
    const char* message = lua_type(L, 1) == LUA_TSTRING ? lua_tostring(L, 1) : nullptr;
    if (!message || has_position(message)) return 1;
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
    if (tree_mode()) {
        lua_createtable(L, static_cast<int>(fl.lines.size()), 0);
        for (std::size_t i = 0; i < fl.lines.size(); ++i) {
            lua_pushinteger(L, fl.lines[i]);
            lua_rawseti(L, -2, static_cast<lua_Integer>(i) + 1);
        }
        give_source_lines(L, chunk_name(fl).c_str(), -1);
        lua_pop(L, 1);
    }
    if (compile(L, fl)) return handler;
    report_lua_error(L, fl.path, &fl);
    return 0;
}

std::string fl_message(const FlScript& fl, const char* message) {
    std::string_view text = message;
    long line = 0;
    if (!text.starts_with(fl.chunk_id)) return message;
    const std::size_t n = line_part(text.substr(fl.chunk_id.size()), &line);
    if (n == 0) return message;
    if (line >= 1 && static_cast<std::size_t>(line) <= fl.lines.size()) line = fl.lines[static_cast<std::size_t>(line) - 1];
    return fl.path + ":" + std::to_string(line) + ": " + std::string(text.substr(fl.chunk_id.size() + n));
}

void report_lua_error(lua_State* L, const std::string& file, const FlScript* fl) {
    const char* message = lua_tostring(L, -1);
    if (!message) message = lua_pushfstring(L, "(error object is a %s value)", luaL_typename(L, -1));
    print_message(file, fl ? fl_message(*fl, message) : message);
}

}  // namespace fluac_lua
