#include "script_structure.h"

#include <FL/Fl.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Widget.H>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <unordered_map>
#include <vector>

namespace fluac_lua {

// The text of script_blocks.lua, compiled in.
extern const char kScriptBlocksLua[];

struct WidgetBlock {
    int open = 0, close = 0;
    int outer = -1;           // index of the enclosing widget block, or -1
    Fl_Widget* made = nullptr;  // watched: the widget the block made last
    Fl_Widget* inner = nullptr; // watched: the group its children join, if any
};

namespace {

const char kReader[] = "fluac.script_blocks";

struct Chunk {
    // Sized once: FLTK watches the addresses of the pointers inside.
    std::vector<WidgetBlock> blocks;
    std::unordered_map<int, int> opens, shows;  // line -> block index
};

// Every chunk a widget was made from, by its source as Lua names it.
std::map<std::string, Chunk> gChunks;
std::map<std::string, std::string> gGivenTexts;

// FLTK keeps the address of a watched pointer on its list after it cleared
// the pointer, so the address leaves the list whatever the pointer holds.
void watch(Fl_Widget*& slot, Fl_Widget* w) {
    Fl::release_widget_pointer(slot);
    slot = w;
    if (w) Fl::watch_widget_pointer(slot);
}

// The text of a chunk: a file for "@NAME", the source itself for a string
// loaded without a name; nothing for "=NAME".
bool chunk_text(const std::string& source, std::string& text) {
    if (source.empty() || source[0] == '=') return false;
    if (auto given = gGivenTexts.find(source); given != gGivenTexts.end()) {
        text = given->second;
        return true;
    }
    if (source[0] != '@') {
        text = source;
        return true;
    }
    std::ifstream in(source.substr(1), std::ios::binary);
    if (!in) return false;
    std::ostringstream all;
    all << in.rdbuf();
    text = all.str();
    return true;
}

int int_field(lua_State* L, int table, const char* name) {
    lua_getfield(L, table, name);
    const int value = lua_isinteger(L, -1) ? static_cast<int>(lua_tointeger(L, -1)) : 0;
    lua_pop(L, 1);
    return value;
}

// Reads the chunk's blocks with script_blocks.lua; a chunk that cannot be
// read, or that the reader fails on, has no blocks.
void read_chunk(lua_State* L, const std::string& source, Chunk& chunk) {
    std::string text;
    if (!chunk_text(source, text)) return;
    lua_getfield(L, LUA_REGISTRYINDEX, kReader);
    lua_pushlstring(L, text.data(), text.size());
    if (lua_pcall(L, 1, 1, 0) != LUA_OK || !lua_istable(L, -1)) {
        lua_pop(L, 1);
        return;
    }
    const int list = lua_gettop(L);
    const auto count = static_cast<int>(luaL_len(L, list));
    chunk.blocks.resize(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        lua_geti(L, list, i + 1);
        const int t = lua_gettop(L);
        WidgetBlock& b = chunk.blocks[static_cast<size_t>(i)];
        b.open = int_field(L, t, "open");
        b.close = int_field(L, t, "close");
        b.outer = int_field(L, t, "outer") - 1;
        if (b.open > 0) chunk.opens[b.open] = i;
        if (const int show = int_field(L, t, "show"); show > 0) chunk.shows[show] = i;
        lua_pop(L, 1);
    }
    lua_pop(L, 1);
}

// The chunk and current line of the Lua function that called the binding.
Chunk* caller(lua_State* L, int& line) {
    lua_Debug ar;
    if (!lua_getstack(L, 1, &ar) || !lua_getinfo(L, "Sl", &ar) || ar.currentline <= 0)
        return nullptr;
    line = ar.currentline;
    std::string source(ar.source, ar.srclen);
    auto found = gChunks.find(source);
    if (found != gChunks.end()) return &found->second;
    Chunk& chunk = gChunks[source];
    read_chunk(L, source, chunk);
    return &chunk;
}

bool encloses(const WidgetBlock& b, int line) { return b.open <= line && line <= b.close; }

// FLTK's current group once every group that a block of the chunk made, and
// whose block has ended by `line`, is left for its parent.
Fl_Group* current_outside_ended_blocks(const Chunk& chunk, int line) {
    Fl_Group* g = Fl_Group::current();
    for (bool stepped = true; g && stepped;) {
        stepped = false;
        for (const WidgetBlock& b : chunk.blocks) {
            if (b.inner == g && b.made && !encloses(b, line)) {
                g = b.made->parent();
                stepped = true;
                break;
            }
        }
    }
    return g;
}

}  // namespace

void open_structure(lua_State* L) {
    if (luaL_loadbuffer(L, kScriptBlocksLua, std::char_traits<char>::length(kScriptBlocksLua),
                        "=script_blocks.lua") != LUA_OK ||
        lua_pcall(L, 0, 1, 0) != LUA_OK) {
        lua_error(L);
    }
    lua_setfield(L, LUA_REGISTRYINDEX, kReader);
}

void close_structure() {
    for (auto& [source, chunk] : gChunks) {
        for (WidgetBlock& b : chunk.blocks) {
            watch(b.made, nullptr);
            watch(b.inner, nullptr);
        }
    }
    gChunks.clear();
    gGivenTexts.clear();
}

void give_chunk_text(const std::string& source, std::string text) { gGivenTexts[source] = std::move(text); }

WidgetBlock* place_new_widget(lua_State* L) {
    int line = 0;
    Chunk* chunk = caller(L, line);
    if (!chunk) return nullptr;
    const auto found = chunk->opens.find(line);
    if (found == chunk->opens.end()) return nullptr;
    WidgetBlock& block = chunk->blocks[static_cast<size_t>(found->second)];
    Fl_Group* parent = nullptr;
    bool enclosed = false;
    for (int k = block.outer; k >= 0 && !enclosed; k = chunk->blocks[static_cast<size_t>(k)].outer) {
        if (Fl_Widget* inner = chunk->blocks[static_cast<size_t>(k)].inner) {
            parent = inner->as_group();
            enclosed = true;
        }
    }
    if (!enclosed) parent = current_outside_ended_blocks(*chunk, line);
    Fl_Group::current(parent);
    return &block;
}

void note_block_widget(WidgetBlock* block, Fl_Widget* w) {
    if (!block) return;
    watch(block->made, w);
    // A container's constructor makes the group that receives its children
    // current: the container itself, or a group inside it. Widgets that are
    // groups only inside (browsers, spinners, text displays) end themselves.
    Fl_Group* current = Fl_Group::current();
    const bool container = w->as_group() && current && w->contains(current);
    watch(block->inner, container ? current : nullptr);
}

Fl_Widget* widget_to_show(lua_State* L, Fl_Widget* receiver) {
    int line = 0;
    Chunk* chunk = caller(L, line);
    if (!chunk) return receiver;
    const auto found = chunk->shows.find(line);
    if (found == chunk->shows.end()) return receiver;
    Fl_Widget* made = chunk->blocks[static_cast<size_t>(found->second)].made;
    return made && made->as_window() && made->contains(receiver) ? made : receiver;
}

}  // namespace fluac_lua
