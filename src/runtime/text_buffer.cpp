#include "text_buffer.h"

#include <FL/Fl_Text_Buffer.H>
#include <FL/fl_utf8.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>

#include "api_support.h"
#include "arguments.h"
#include "callbacks.h"
#include "kept_functions.h"
#include "lua_class.h"

namespace fluac_lua {

namespace {

const char kClass[] = "Fl_Text_Buffer";
// Objects by buffer address, weak, so that a buffer has one object.
const char kObjects[] = "fluac.text_buffers";

struct BufferObject {
    Fl_Text_Buffer* buffer;
    bool owned;
};

BufferObject* check_object(lua_State* L, int idx) {
    return static_cast<BufferObject*>(luaL_checkudata(L, idx, kClass));
}

Fl_Text_Buffer* live(lua_State* L, int idx) {
    Fl_Text_Buffer* b = check_object(L, idx)->buffer;
    if (!b) luaL_argerror(L, idx, "the buffer has been deleted");
    return b;
}

Fl_Text_Buffer* self(lua_State* L, int most) {
    check_nargs(L, most);
    return live(L, 1);
}

// Positions are byte offsets from 0 to length(), at the start of a UTF-8
// character; FLTK does not check them.
int check_pos(lua_State* L, int idx, Fl_Text_Buffer* b) {
    const int pos = static_cast<int>(check_range(L, idx, 0, b->length()));
    if (b->utf8_align(pos) != pos) luaL_argerror(L, idx, "inside a UTF-8 character");
    return pos;
}

// A range as two positions, in either order as FLTK allows.
std::pair<int, int> check_span(lua_State* L, int idx, Fl_Text_Buffer* b) {
    int start = check_pos(L, idx, b), end = check_pos(L, idx + 1, b);
    if (start > end) std::swap(start, end);
    return {start, end};
}

int check_count(lua_State* L, int idx) { return static_cast<int>(check_range(L, idx, 0, INT_MAX)); }

int check_buflen(lua_State* L, int idx) {
    return lua_isnoneornil(L, idx) ? 128 * 1024 : static_cast<int>(check_range(L, idx, 1, 1 << 24));
}

// FLTK returns copies made with malloc.
int push_malloced(lua_State* L, char* text) {
    if (text) lua_pushstring(L, text);
    else lua_pushnil(L);
    std::free(text);
    return 1;
}

// Methods that change the text run the modify callbacks, whose errors come
// out of the method.
int changed(lua_State* L) {
    raise_pending_error(L);
    return 0;
}

// FLTK keeps one undo record for all buffers, as offsets into the buffer
// that made it. Changes it does not record (text(), copy(), any change while
// canUndo is off) leave those offsets stale, and an undo then (from
// undo() or an editor's Ctrl+Z) copies with a negative length. After such
// a change the record is handed to a buffer of the binding's own.
void forget_undo() {
    static Fl_Text_Buffer* other = new Fl_Text_Buffer(0, 16);
    other->insert(0, " ");
    other->remove(0, 1);
}

int b_length(lua_State* L) {
    lua_pushinteger(L, self(L, 1)->length());
    return 1;
}

int b_text(lua_State* L) {
    Fl_Text_Buffer* b = self(L, 2);
    if (is_setter(L)) {
        b->text(luaL_checkstring(L, 2));
        forget_undo();
        return changed(L);
    }
    return push_malloced(L, b->text());
}

int b_text_range(lua_State* L) {
    Fl_Text_Buffer* b = self(L, 3);
    const auto [start, end] = check_span(L, 2, b);
    return push_malloced(L, b->text_range(start, end));
}

int b_char_at(lua_State* L) {
    Fl_Text_Buffer* b = self(L, 2);
    const int pos = check_pos(L, 2, b);
    lua_pushinteger(L, pos < b->length() ? b->char_at(pos) : 0);
    return 1;
}

int b_byte_at(lua_State* L) {
    Fl_Text_Buffer* b = self(L, 2);
    const int pos = static_cast<int>(check_range(L, 2, 0, b->length()));
    lua_pushinteger(L, pos < b->length() ? static_cast<unsigned char>(b->byte_at(pos)) : 0);
    return 1;
}

int b_insert(lua_State* L) {
    Fl_Text_Buffer* b = self(L, 3);
    const int pos = check_pos(L, 2, b);
    b->insert(pos, luaL_checkstring(L, 3));
    return changed(L);
}

int b_append(lua_State* L) {
    Fl_Text_Buffer* b = self(L, 2);
    b->append(luaL_checkstring(L, 2));
    return changed(L);
}

int b_remove(lua_State* L) {
    Fl_Text_Buffer* b = self(L, 3);
    const auto [start, end] = check_span(L, 2, b);
    b->remove(start, end);
    return changed(L);
}

int b_replace(lua_State* L) {
    Fl_Text_Buffer* b = self(L, 4);
    const auto [start, end] = check_span(L, 2, b);
    b->replace(start, end, luaL_checkstring(L, 4));
    return changed(L);
}

// copy(from, start, end, to): text of another buffer (or this one).
int b_copy(lua_State* L) {
    Fl_Text_Buffer* b = self(L, 5);
    Fl_Text_Buffer* from = live(L, 2);
    // FLTK copies with memcpy, which overlapping text would corrupt.
    if (from == b) return luaL_argerror(L, 2, "a buffer cannot copy from itself");
    const auto [start, end] = check_span(L, 3, from);
    const int to = check_pos(L, 5, b);
    b->copy(from, start, end, to);
    forget_undo();
    return changed(L);
}

// undo() -> whether there was something to undo, and the cursor position.
int b_undo(lua_State* L) {
    Fl_Text_Buffer* b = self(L, 1);
    int cursor = 0;
    const int r = b->undo(&cursor);
    raise_pending_error(L);
    lua_pushboolean(L, r != 0);
    lua_pushinteger(L, cursor);
    return 2;
}

int b_canUndo(lua_State* L) {
    const bool on = lua_isnoneornil(L, 2) ? true : check_flag(L, 2);
    self(L, 2)->canUndo(on ? 1 : 0);
    if (!on) forget_undo();
    return 0;
}

// Files: FLTK's results, 0 for success (errno-like otherwise).
int b_loadfile(lua_State* L) {
    Fl_Text_Buffer* b = self(L, 3);
    const int r = b->loadfile(luaL_checkstring(L, 2), check_buflen(L, 3));
    raise_pending_error(L);
    lua_pushinteger(L, r);
    return 1;
}

int b_appendfile(lua_State* L) {
    Fl_Text_Buffer* b = self(L, 3);
    const int r = b->appendfile(luaL_checkstring(L, 2), check_buflen(L, 3));
    raise_pending_error(L);
    lua_pushinteger(L, r);
    return 1;
}

int b_insertfile(lua_State* L) {
    Fl_Text_Buffer* b = self(L, 4);
    const char* file = luaL_checkstring(L, 2);
    const int r = b->insertfile(file, check_pos(L, 3, b), check_buflen(L, 4));
    raise_pending_error(L);
    lua_pushinteger(L, r);
    return 1;
}

int b_savefile(lua_State* L) {
    Fl_Text_Buffer* b = self(L, 3);
    lua_pushinteger(L, b->savefile(luaL_checkstring(L, 2), check_buflen(L, 3)));
    return 1;
}

int b_outputfile(lua_State* L) {
    Fl_Text_Buffer* b = self(L, 5);
    const char* file = luaL_checkstring(L, 2);
    const auto [start, end] = check_span(L, 3, b);
    lua_pushinteger(L, b->outputfile(file, start, end, check_buflen(L, 5)));
    return 1;
}

int b_tab_distance(lua_State* L) {
    Fl_Text_Buffer* b = self(L, 2);
    if (is_setter(L)) {
        b->tab_distance(static_cast<int>(check_range(L, 2, 1, 1000)));
        return changed(L);
    }
    lua_pushinteger(L, b->tab_distance());
    return 1;
}

// The three selections (primary, secondary, highlight) have the same methods.
struct Selection {
    void (Fl_Text_Buffer::*select)(int, int);
    int (Fl_Text_Buffer::*position)(int*, int*);
    char* (Fl_Text_Buffer::*text)();
    void (Fl_Text_Buffer::*unselect)();
};

const Selection kPrimary = {&Fl_Text_Buffer::select, &Fl_Text_Buffer::selection_position,
                            &Fl_Text_Buffer::selection_text, &Fl_Text_Buffer::unselect};
const Selection kSecondary = {&Fl_Text_Buffer::secondary_select,
                              &Fl_Text_Buffer::secondary_selection_position,
                              &Fl_Text_Buffer::secondary_selection_text,
                              &Fl_Text_Buffer::secondary_unselect};
const Selection kHighlight = {&Fl_Text_Buffer::highlight, &Fl_Text_Buffer::highlight_position,
                              &Fl_Text_Buffer::highlight_text, &Fl_Text_Buffer::unhighlight};

int sel_select(lua_State* L, const Selection& s) {
    Fl_Text_Buffer* b = self(L, 3);
    const auto [start, end] = check_span(L, 2, b);
    (b->*s.select)(start, end);
    return changed(L);
}

// position() -> whether there is a selection, its start and end.
int sel_position(lua_State* L, const Selection& s) {
    Fl_Text_Buffer* b = self(L, 1);
    int start = 0, end = 0;
    const int r = (b->*s.position)(&start, &end);
    lua_pushboolean(L, r != 0);
    lua_pushinteger(L, start);
    lua_pushinteger(L, end);
    return 3;
}

int sel_text(lua_State* L, const Selection& s) {
    Fl_Text_Buffer* b = self(L, 1);
    return push_malloced(L, (b->*s.text)());
}

int sel_unselect(lua_State* L, const Selection& s) {
    Fl_Text_Buffer* b = self(L, 1);
    (b->*s.unselect)();
    return changed(L);
}

int b_select(lua_State* L) { return sel_select(L, kPrimary); }
int b_selection_position(lua_State* L) { return sel_position(L, kPrimary); }
int b_selection_text(lua_State* L) { return sel_text(L, kPrimary); }
int b_unselect(lua_State* L) { return sel_unselect(L, kPrimary); }
int b_secondary_select(lua_State* L) { return sel_select(L, kSecondary); }
int b_secondary_selection_position(lua_State* L) { return sel_position(L, kSecondary); }
int b_secondary_selection_text(lua_State* L) { return sel_text(L, kSecondary); }
int b_secondary_unselect(lua_State* L) { return sel_unselect(L, kSecondary); }
int b_highlight(lua_State* L) { return sel_select(L, kHighlight); }
int b_highlight_position(lua_State* L) { return sel_position(L, kHighlight); }
int b_highlight_text(lua_State* L) { return sel_text(L, kHighlight); }
int b_unhighlight(lua_State* L) { return sel_unselect(L, kHighlight); }

int b_selected(lua_State* L) {
    lua_pushboolean(L, self(L, 1)->selected() != 0);
    return 1;
}

int b_secondary_selected(lua_State* L) {
    lua_pushboolean(L, self(L, 1)->secondary_selected() != 0);
    return 1;
}

int b_remove_selection(lua_State* L) {
    self(L, 1)->remove_selection();
    return changed(L);
}

int b_remove_secondary_selection(lua_State* L) {
    self(L, 1)->remove_secondary_selection();
    return changed(L);
}

int b_replace_selection(lua_State* L) {
    Fl_Text_Buffer* b = self(L, 2);
    b->replace_selection(luaL_checkstring(L, 2));
    return changed(L);
}

int b_replace_secondary_selection(lua_State* L) {
    Fl_Text_Buffer* b = self(L, 2);
    b->replace_secondary_selection(luaL_checkstring(L, 2));
    return changed(L);
}

// Navigation: one position in, one out.
#define POSITION_METHOD(NAME)                          \
    int b_##NAME(lua_State* L) {                       \
        Fl_Text_Buffer* b = self(L, 2);                \
        lua_pushinteger(L, b->NAME(check_pos(L, 2, b))); \
        return 1;                                      \
    }
POSITION_METHOD(line_start)
POSITION_METHOD(line_end)
POSITION_METHOD(word_start)
POSITION_METHOD(word_end)
POSITION_METHOD(next_char)
POSITION_METHOD(next_char_clipped)
POSITION_METHOD(prev_char)
POSITION_METHOD(prev_char_clipped)
#undef POSITION_METHOD

int b_utf8_align(lua_State* L) {
    Fl_Text_Buffer* b = self(L, 2);
    lua_pushinteger(L, b->utf8_align(static_cast<int>(check_range(L, 2, 0, b->length()))));
    return 1;
}

int b_line_text(lua_State* L) {
    Fl_Text_Buffer* b = self(L, 2);
    return push_malloced(L, b->line_text(check_pos(L, 2, b)));
}

// A position and a count of lines or characters.
#define COUNT_METHOD(NAME)                                              \
    int b_##NAME(lua_State* L) {                                        \
        Fl_Text_Buffer* b = self(L, 3);                                 \
        const int pos = check_pos(L, 2, b);                             \
        lua_pushinteger(L, b->NAME(pos, check_count(L, 3)));            \
        return 1;                                                       \
    }
COUNT_METHOD(skip_displayed_characters)
COUNT_METHOD(skip_lines)
COUNT_METHOD(rewind_lines)
#undef COUNT_METHOD

int b_count_displayed_characters(lua_State* L) {
    Fl_Text_Buffer* b = self(L, 3);
    const auto [start, end] = check_span(L, 2, b);
    lua_pushinteger(L, b->count_displayed_characters(start, end));
    return 1;
}

int b_count_lines(lua_State* L) {
    Fl_Text_Buffer* b = self(L, 3);
    const auto [start, end] = check_span(L, 2, b);
    lua_pushinteger(L, b->count_lines(start, end));
    return 1;
}

// findchar_forward(start, code) -> found, position.
int findchar(lua_State* L, int (Fl_Text_Buffer::*find)(int, unsigned, int*) const) {
    Fl_Text_Buffer* b = self(L, 3);
    const int start = check_pos(L, 2, b);
    const auto c = static_cast<unsigned>(check_range(L, 3, 0, 0x10ffff));
    int found = 0;
    const int r = (b->*find)(start, c, &found);
    lua_pushboolean(L, r != 0);
    lua_pushinteger(L, found);
    return 2;
}

int b_findchar_forward(lua_State* L) { return findchar(L, &Fl_Text_Buffer::findchar_forward); }
int b_findchar_backward(lua_State* L) { return findchar(L, &Fl_Text_Buffer::findchar_backward); }

// search_forward(start, text [, matchcase]) -> found, position. FLTK's own
// search compares the text's last characters with bytes past the buffer's
// end, so the search is made here, on a copy, in the same way: character by
// character from the start position, without case when asked, as FLTK's
// fl_tolower folds it.
bool matches_at(const std::string& text, size_t at, const char* needle, size_t nlen,
                bool matchcase) {
    const char* t = text.data() + at;
    const char* tend = text.data() + text.size();
    const char* n = needle;
    const char* nend = needle + nlen;
    while (n < nend) {
        if (t >= tend) return false;
        int tl = 1, nl = 1;
        const unsigned tc = fl_utf8decode(t, tend, &tl), nc = fl_utf8decode(n, nend, &nl);
        if (matchcase ? (tl != nl || std::memcmp(t, n, static_cast<size_t>(nl)) != 0)
                      : fl_tolower(tc) != fl_tolower(nc))
            return false;
        t += tl;
        n += nl;
    }
    return true;
}

int search(lua_State* L, bool forward) {
    Fl_Text_Buffer* b = self(L, 4);
    int pos = check_pos(L, 2, b);
    size_t nlen = 0;
    const char* needle = luaL_checklstring(L, 3, &nlen);
    const bool matchcase = lua_isnoneornil(L, 4) ? false : check_flag(L, 4);
    char* copy = b->text();
    const std::string text(copy ? copy : "");
    std::free(copy);
    const int length = b->length();
    bool found = false;
    while (forward ? pos < length : pos >= 0) {
        if (matches_at(text, static_cast<size_t>(pos), needle, nlen, matchcase)) {
            found = true;
            break;
        }
        if (forward) pos = b->next_char(pos);
        else pos = pos > 0 ? b->prev_char(pos) : -1;
    }
    lua_pushboolean(L, found);
    lua_pushinteger(L, found ? pos : 0);
    return 2;
}

int b_search_forward(lua_State* L) { return search(L, true); }
int b_search_backward(lua_State* L) { return search(L, false); }

// Callbacks. Each Lua function is kept in the object's own table, so that
// it goes with the object.
struct ModifyCall {
    int pos, inserted, deleted, restyled;
    const char* deleted_text;
};

int run_modify(lua_State* L) {
    const auto* c = static_cast<ModifyCall*>(lua_touserdata(L, 1));
    if (!push_kept(L, lua_touserdata(L, 2))) return 0;
    lua_pushinteger(L, c->pos);
    lua_pushinteger(L, c->inserted);
    lua_pushinteger(L, c->deleted);
    lua_pushinteger(L, c->restyled);
    if (c->deleted_text) lua_pushstring(L, c->deleted_text);
    else lua_pushnil(L);
    lua_rotate(L, -6, 5);  // the value after the arguments
    lua_call(L, 6, 0);
    return 0;
}

void modify_cb(int pos, int inserted, int deleted, int restyled, const char* deleted_text,
               void* key) {
    ModifyCall c = {pos, inserted, deleted, restyled, deleted_text};
    call_protected(run_modify, &c, key);
}

struct PredeleteCall {
    int pos, deleted;
};

int run_predelete(lua_State* L) {
    const auto* c = static_cast<PredeleteCall*>(lua_touserdata(L, 1));
    if (!push_kept(L, lua_touserdata(L, 2))) return 0;
    lua_pushinteger(L, c->pos);
    lua_pushinteger(L, c->deleted);
    lua_rotate(L, -3, 2);
    lua_call(L, 3, 0);
    return 0;
}

void predelete_cb(int pos, int deleted, void* key) {
    PredeleteCall c = {pos, deleted};
    call_protected(run_predelete, &c, key);
}

// add_modify_callback(fn [, data]): fn(pos, inserted, deleted, restyled,
// deleted_text, data) after each change.
int b_add_modify_callback(lua_State* L) {
    Fl_Text_Buffer* b = self(L, 3);
    lua_settop(L, 3);
    lua_getiuservalue(L, 1, 1);
    b->add_modify_callback(modify_cb, keep_function(L, 4, 2, 3));
    return 0;
}

// add_predelete_callback(fn [, data]): fn(pos, deleted, data) before text goes.
int b_add_predelete_callback(lua_State* L) {
    Fl_Text_Buffer* b = self(L, 3);
    lua_settop(L, 3);
    lua_getiuservalue(L, 1, 1);
    b->add_predelete_callback(predelete_cb, keep_function(L, 4, 2, 3));
    return 0;
}

// Removes the first callback of fn with that value, as FLTK does.
template <class Remove>
int remove_callback(lua_State* L, Remove remove) {
    Fl_Text_Buffer* b = self(L, 3);
    luaL_checktype(L, 2, LUA_TFUNCTION);
    lua_settop(L, 3);
    lua_getiuservalue(L, 1, 1);
    bool done = false;
    each_kept(L, 4, 2, 3, false, [&](void* key) {
        if (done) return;
        remove(b, key);
        forget_kept(L, 4, key);
        done = true;
    });
    return 0;
}

int b_remove_modify_callback(lua_State* L) {
    return remove_callback(L, [](Fl_Text_Buffer* b, void* key) {
        b->remove_modify_callback(modify_cb, key);
    });
}

int b_remove_predelete_callback(lua_State* L) {
    return remove_callback(L, [](Fl_Text_Buffer* b, void* key) {
        b->remove_predelete_callback(predelete_cb, key);
    });
}

int b_call_modify_callbacks(lua_State* L) {
    self(L, 1)->call_modify_callbacks();
    return changed(L);
}

int b_call_predelete_callbacks(lua_State* L) {
    self(L, 1)->call_predelete_callbacks();
    return changed(L);
}

int b_gc(lua_State* L) {
    auto* o = check_object(L, 1);
    if (o->owned) delete o->buffer;
    o->buffer = nullptr;
    return 0;
}

int b_tostring(lua_State* L) {
    lua_pushfstring(L, "Fl_Text_Buffer: %p", static_cast<void*>(check_object(L, 1)->buffer));
    return 1;
}

const luaL_Reg kMethods[] = {
    {"length", b_length},
    {"text", b_text},
    {"text_range", b_text_range},
    {"char_at", b_char_at},
    {"byte_at", b_byte_at},
    {"insert", b_insert},
    {"append", b_append},
    {"remove", b_remove},
    {"replace", b_replace},
    {"copy", b_copy},
    {"undo", b_undo},
    {"canUndo", b_canUndo},
    {"loadfile", b_loadfile},
    {"appendfile", b_appendfile},
    {"insertfile", b_insertfile},
    {"savefile", b_savefile},
    {"outputfile", b_outputfile},
    {"tab_distance", b_tab_distance},
    {"select", b_select},
    {"selected", b_selected},
    {"unselect", b_unselect},
    {"selection_position", b_selection_position},
    {"selection_text", b_selection_text},
    {"remove_selection", b_remove_selection},
    {"replace_selection", b_replace_selection},
    {"secondary_select", b_secondary_select},
    {"secondary_selected", b_secondary_selected},
    {"secondary_unselect", b_secondary_unselect},
    {"secondary_selection_position", b_secondary_selection_position},
    {"secondary_selection_text", b_secondary_selection_text},
    {"remove_secondary_selection", b_remove_secondary_selection},
    {"replace_secondary_selection", b_replace_secondary_selection},
    {"highlight", b_highlight},
    {"highlight_position", b_highlight_position},
    {"highlight_text", b_highlight_text},
    {"unhighlight", b_unhighlight},
    {"line_text", b_line_text},
    {"line_start", b_line_start},
    {"line_end", b_line_end},
    {"word_start", b_word_start},
    {"word_end", b_word_end},
    {"next_char", b_next_char},
    {"next_char_clipped", b_next_char_clipped},
    {"prev_char", b_prev_char},
    {"prev_char_clipped", b_prev_char_clipped},
    {"utf8_align", b_utf8_align},
    {"count_displayed_characters", b_count_displayed_characters},
    {"skip_displayed_characters", b_skip_displayed_characters},
    {"count_lines", b_count_lines},
    {"skip_lines", b_skip_lines},
    {"rewind_lines", b_rewind_lines},
    {"findchar_forward", b_findchar_forward},
    {"findchar_backward", b_findchar_backward},
    {"search_forward", b_search_forward},
    {"search_backward", b_search_backward},
    {"add_modify_callback", b_add_modify_callback},
    {"remove_modify_callback", b_remove_modify_callback},
    {"add_predelete_callback", b_add_predelete_callback},
    {"remove_predelete_callback", b_remove_predelete_callback},
    {"call_modify_callbacks", b_call_modify_callbacks},
    {"call_predelete_callbacks", b_call_predelete_callbacks},
    {nullptr, nullptr},
};

const luaL_Reg kMetamethods[] = {
    {"__gc", b_gc},
    {"__tostring", b_tostring},
    {nullptr, nullptr},
};

void push_object(lua_State* L, Fl_Text_Buffer* buffer, bool owned) {
    auto* o = static_cast<BufferObject*>(lua_newuserdatauv(L, sizeof(BufferObject), 1));
    o->buffer = buffer;
    o->owned = owned;
    luaL_setmetatable(L, kClass);
    lua_newtable(L);
    lua_setiuservalue(L, -2, 1);
    push_holder(L, kObjects);
    lua_pushvalue(L, -2);
    lua_rawsetp(L, -2, buffer);
    lua_pop(L, 1);
}

// fltk:Fl_Text_Buffer([requested_size [, gap_size]]).
int construct(lua_State* L) {
    const int first = lua_istable(L, 1) ? 2 : 1;
    check_nargs(L, first + 1);
    const int size = lua_isnoneornil(L, first) ? 0 : static_cast<int>(check_range(L, first, 0, 1 << 24));
    const int gap = lua_isnoneornil(L, first + 1)
                        ? 1024
                        : static_cast<int>(check_range(L, first + 1, 1, 1 << 24));
    push_object(L, new Fl_Text_Buffer(size, gap), true);
    return 1;
}

}  // namespace

Fl_Text_Buffer* check_text_buffer(lua_State* L, int idx) { return live(L, idx); }

void push_text_buffer(lua_State* L, Fl_Text_Buffer* buffer) {
    if (!buffer) {
        lua_pushnil(L);
        return;
    }
    push_holder(L, kObjects);
    if (lua_rawgetp(L, -1, buffer) == LUA_TUSERDATA) {
        lua_remove(L, -2);
        return;
    }
    lua_pop(L, 2);
    push_object(L, buffer, false);
}

void open_text_buffer(lua_State* L) {
    define_class(L, {kClass, nullptr, kMethods, kMetamethods});
    push_holder(L, kObjects);
    lua_createtable(L, 0, 1);
    lua_pushliteral(L, "v");
    lua_setfield(L, -2, "__mode");
    lua_setmetatable(L, -2);
    lua_pop(L, 1);
    lua_pushcfunction(L, construct);
    lua_setfield(L, -2, kClass);
}

}  // namespace fluac_lua
