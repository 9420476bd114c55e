// A FLUID file run directly: translated in memory, its script loaded as a
// chunk named after the file, and every position in the script that an error
// names turned into the line of the file that holds that code.
#pragma once

#include <string>
#include <vector>

#include <lua.hpp>

namespace fluac_lua {

struct FlScript {
    std::string path;
    std::string chunk_id;      // Lua's name for the chunk in messages (a long path is shortened)
    std::string script;
    std::vector<int> lines;    // the file's line of each script line, from script line 1
    bool layout_only = false;  // the translation without the file's code
};

// Reads and translates the FLUID file at `path`, with its code unless
// `layout_only`; when that code does not compile as Lua, translates it again
// without, and says so on standard error unless `quiet_fallback`. Returns
// false after printing the translation's or Lua's message.
bool prepare_fl(const char* path, bool layout_only, bool quiet_fallback, FlScript& fl);

// Loads the prepared script onto the stack as a chunk, above a message
// handler for lua_pcall (that callbacks use too) that gives an error without
// a position the position of the script's innermost running line. Returns
// the handler's index, or 0 after reporting Lua's error.
int load_fl(lua_State* L, const FlScript& fl);

// The message with a leading position in the script replaced by the file's.
std::string fl_message(const FlScript& fl, const char* message);

// Prints the Lua error on top of the stack as "fluac-lua: FILE:LINE: message"
// (when it has a position) or "fluac-lua: FILE: message"; with `fl`, the
// position is the FLUID file's.
void report_lua_error(lua_State* L, const std::string& file, const FlScript* fl);

}  // namespace fluac_lua
