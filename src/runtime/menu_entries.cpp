#include "menu_entries.h"

#include <FL/Enumerations.H>
#include <FL/Fl.H>
#include <FL/Fl_Image.H>
#include <FL/Fl_Input_Choice.H>
#include <FL/Fl_Menu_.H>
#include <FL/Fl_Shared_Image.H>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "arguments.h"
#include "callbacks.h"
#include "display.h"
#include "handles.h"
#include "lua_class.h"

namespace fluac_lua {

namespace {

const char kEntryClass[] = "Fl_Menu_Item";
const char kArrayClass[] = "fluac.menu_array";

// FLUID's C++ gives every entry this label size; FLTK's add leaves 0, which
// draws the entry at the menu's text size.
constexpr int kFluidLabelSize = 14;

// An entry whose label is text (not an image or a multi-label, which FLTK
// keeps in the same field).
bool has_text_label(const Fl_Menu_Item& e) {
    return e.labeltype_ != _FL_IMAGE_LABEL && e.labeltype_ != _FL_MULTI_LABEL &&
           e.labeltype_ != _FL_ICON_LABEL;
}

// The index after the entry at i and, for a submenu, after its entries and
// the end marker that closes them.
int after(const Fl_Menu_Item* a, int i) {
    int depth = 0;
    do {
        if (!a[i].text)
            --depth;
        else if (a[i].flags & FL_SUBMENU)
            ++depth;
        ++i;
    } while (depth > 0);
    return i;
}

// The index of the end marker of the level whose first entry is at i.
int level_end(const Fl_Menu_Item* a, int i) {
    while (a[i].text) i = after(a, i);
    return i;
}

// The label FLTK keeps for one part of a path: without a leading "_" (a
// divider), with every backslash escape read.
std::string stored_label(std::string_view part) {
    if (!part.empty() && part[0] == '_') part.remove_prefix(1);
    std::string label;
    for (size_t i = 0; i < part.size(); ++i) {
        if (part[i] == '\\' && i + 1 < part.size()) ++i;
        label += part[i];
    }
    return label;
}

// The parts of a path, split at each "/" that no backslash escapes.
std::vector<std::string_view> split_path(std::string_view path) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (size_t i = 0; i < path.size(); ++i) {
        if (path[i] == '\\' && i + 1 < path.size()) {
            ++i;
        } else if (path[i] == '/') {
            parts.push_back(path.substr(start, i - start));
            start = i + 1;
        }
    }
    parts.push_back(path.substr(start));
    return parts;
}

// One entry at FLTK's index `at`. FLTK's insert would merge an entry at the
// end of the menu into one of the same label, so the entry is inserted under
// a label no entry has, then given its own.
int insert_entry(Fl_Menu_* m, int at, std::string_view part, int shortcut, Fl_Callback* callback,
                 void* data, int flags) {
    if (!part.empty() && part[0] == '_') flags |= FL_MENU_DIVIDER;
    const int i = m->insert(at, "\x01", shortcut, callback, data, flags);
    m->replace(i, stored_label(part).c_str());
    auto* entry = const_cast<Fl_Menu_Item*>(m->menu()) + i;
    if (entry->labelsize_ == 0) entry->labelsize_ = kFluidLabelSize;
    return i;
}

struct EntryHandle {
    int index;  // FLTK's index in the menu held by the handle's user value
};

// The menu of the handle at idx (its first user value holds the widget).
Fl_Menu_* handle_menu(lua_State* L, int idx) {
    lua_getiuservalue(L, idx, 1);
    Fl_Widget* w = check_widget(L, -1);
    lua_pop(L, 1);
    return menu_of(w);
}

Fl_Menu_Item* check_entry(lua_State* L, int idx) {
    auto* h = static_cast<EntryHandle*>(luaL_checkudata(L, idx, kEntryClass));
    Fl_Menu_* m = handle_menu(L, idx);
    if (h->index >= m->size() - 1 || !m->menu()[h->index].text)
        luaL_argerror(L, idx, "the menu has no entry at this index any more");
    return const_cast<Fl_Menu_Item*>(m->menu()) + h->index;
}

// The entry's menu and index; the entry checked.
Fl_Menu_* entry_menu(lua_State* L, int idx, int* index) {
    check_entry(L, idx);
    *index = static_cast<EntryHandle*>(lua_touserdata(L, idx))->index;
    return handle_menu(L, idx);
}

// label([text]): nil for an entry that shows an image.
int e_label(lua_State* L) {
    check_nargs(L, 2);
    const Fl_Menu_Item* e = check_entry(L, 1);
    if (!is_setter(L)) {
        if (has_text_label(*e)) lua_pushstring(L, e->text);
        else lua_pushnil(L);
        return 1;
    }
    const char* text = luaL_checkstring(L, 2);
    // The menu frees the text it replaces; an image is no text.
    if (!has_text_label(*e)) return luaL_error(L, "the entry shows an image, not a text");
    int i = 0;
    entry_menu(L, 1, &i)->replace(i, text);
    return 0;
}

// The integer label properties, as getter-setter pairs.
#define ENTRY_PROPERTY(NAME, FIELD, LOW, HIGH, TYPE)                   \
    int e_##NAME(lua_State* L) {                                       \
        check_nargs(L, 2);                                             \
        Fl_Menu_Item* e = check_entry(L, 1);                           \
        if (!is_setter(L)) {                                           \
            lua_pushinteger(L, static_cast<lua_Integer>(e->FIELD));   \
            return 1;                                                  \
        }                                                              \
        e->FIELD = static_cast<TYPE>(check_range(L, 2, LOW, HIGH));    \
        return 0;                                                      \
    }
ENTRY_PROPERTY(labelsize, labelsize_, 0, 1000, Fl_Fontsize)
ENTRY_PROPERTY(labelfont, labelfont_, 0, FL_FREE_FONT - 1, Fl_Font)
ENTRY_PROPERTY(labelcolor, labelcolor_, 0, 0xffffffffLL, Fl_Color)
ENTRY_PROPERTY(shortcut, shortcut_, 0, 0x7fffffffLL, int)
#undef ENTRY_PROPERTY

// labeltype: the kinds of label that draw the entry's text; an entry that
// shows an image keeps it.
int e_labeltype(lua_State* L) {
    check_nargs(L, 2);
    Fl_Menu_Item* e = check_entry(L, 1);
    if (!is_setter(L)) {
        lua_pushinteger(L, e->labeltype_);
        return 1;
    }
    const auto type = static_cast<uchar>(check_range(L, 2, FL_NORMAL_LABEL, _FL_EMBOSSED_LABEL));
    if (!has_text_label(*e)) return luaL_error(L, "the entry shows an image, not a text");
    e->labeltype_ = type;
    return 0;
}

// image(img): the entry shows the image instead of its label, as FLUID's
// C++ makes it (FLTK's Fl_Image::label); nil leaves it as it is.
int e_image(lua_State* L) {
    check_nargs(L, 2);
    Fl_Menu_Item* e = check_entry(L, 1);
    Fl_Shared_Image* image = opt_image(L, 2);
    if (!image) return 0;
    // The menu owns the copy of the label that FLTK's add made.
    char* label = has_text_label(*e) ? const_cast<char*>(e->text) : nullptr;
    image->label(e);
    std::free(label);
    return 0;
}

// The flags, by FLTK's accessors.
#define ENTRY_FLAG_GETTER(NAME)                          \
    int e_##NAME(lua_State* L) {                         \
        check_nargs(L, 1);                               \
        lua_pushboolean(L, check_entry(L, 1)->NAME());   \
        return 1;                                        \
    }
#define ENTRY_FLAG_SETTER(NAME)     \
    int e_##NAME(lua_State* L) {    \
        check_nargs(L, 1);          \
        check_entry(L, 1)->NAME();  \
        return 0;                   \
    }
ENTRY_FLAG_GETTER(active)
ENTRY_FLAG_GETTER(visible)
ENTRY_FLAG_GETTER(submenu)
ENTRY_FLAG_GETTER(checkbox)
ENTRY_FLAG_GETTER(radio)
ENTRY_FLAG_GETTER(activevisible)
ENTRY_FLAG_GETTER(checked)
ENTRY_FLAG_SETTER(activate)
ENTRY_FLAG_SETTER(deactivate)
ENTRY_FLAG_SETTER(show)
ENTRY_FLAG_SETTER(hide)
ENTRY_FLAG_SETTER(set)
ENTRY_FLAG_SETTER(clear)
ENTRY_FLAG_SETTER(check)
ENTRY_FLAG_SETTER(uncheck)
#undef ENTRY_FLAG_GETTER
#undef ENTRY_FLAG_SETTER

int e_value(lua_State* L) {
    check_nargs(L, 1);
    lua_pushinteger(L, check_entry(L, 1)->value() ? 1 : 0);
    return 1;
}

// flags(): FLTK's flags field (FL_MENU_TOGGLE, FL_SUBMENU, ...).
int e_flags(lua_State* L) {
    check_nargs(L, 1);
    lua_pushinteger(L, check_entry(L, 1)->flags);
    return 1;
}

// setonly(): the one radio entry of its group that is on. The menu's
// setonly stays within the menu, where the entry's would read before it.
int e_setonly(lua_State* L) {
    check_nargs(L, 1);
    int i = 0;
    Fl_Menu_* m = entry_menu(L, 1, &i);
    m->setonly(const_cast<Fl_Menu_Item*>(m->menu()) + i);
    return 0;
}

// The index of an entry FLTK found in m's menu, or -1 for none.
int found_index(Fl_Menu_* m, const Fl_Menu_Item* found) {
    if (!found || !found->text) return -1;
    return static_cast<int>(found - m->menu());
}

// Pushes the entry that find(entry) gives in the same menu, or nil.
template <class Find>
int push_found(lua_State* L, Find find) {
    int i = 0;
    Fl_Menu_* m = entry_menu(L, 1, &i);
    push_entry_handle(L, 1, found_index(m, find(m->menu()[i])));
    return 1;
}

// next([n]): the n-th entry after this one on its level (submenus skipped),
// or nil past the end; first() is the entry itself, or the next visible.
int e_next(lua_State* L) {
    check_nargs(L, 2);
    const int n = lua_isnoneornil(L, 2) ? 1 : static_cast<int>(check_range(L, 2, 0, INT_MAX));
    return push_found(L, [n](const Fl_Menu_Item& e) { return e.next(n); });
}

int e_first(lua_State* L) {
    check_nargs(L, 1);
    return push_found(L, [](const Fl_Menu_Item& e) { return e.first(); });
}

// size(): the entries from this one to the end of its level, that end
// included.
int e_size(lua_State* L) {
    check_nargs(L, 1);
    lua_pushinteger(L, check_entry(L, 1)->size());
    return 1;
}

// callback([fn]), user_data([value]): the entry's Lua callback and value.
int e_callback_or_data(lua_State* L, bool callback) {
    check_nargs(L, 2);
    int i = 0;
    Fl_Menu_* m = entry_menu(L, 1, &i);
    Fl_Menu_Item* e = const_cast<Fl_Menu_Item*>(m->menu()) + i;
    const bool setter = is_setter(L);
    push_menu_entry(L, m, e->user_data());  // callback, data
    if (!setter) {
        if (callback) lua_pop(L, 1);
        return 1;
    }
    lua_pushvalue(L, 2);
    lua_replace(L, callback ? -3 : -2);
    Fl_Callback* cb = nullptr;
    void* key = keep_menu_entry(L, m, lua_gettop(L) - 1, lua_gettop(L), &cb);
    e->callback(cb, key);
    return 0;
}
int e_callback(lua_State* L) { return e_callback_or_data(L, true); }
int e_user_data(lua_State* L) { return e_callback_or_data(L, false); }

// do_callback(): the entry's callback, called with its menu.
int e_do_callback(lua_State* L) {
    check_nargs(L, 1);
    int i = 0;
    Fl_Menu_* m = entry_menu(L, 1, &i);
    const Fl_Menu_Item& e = m->menu()[i];
    if (e.callback()) e.do_callback(m);
    raise_pending_error(L);
    return 0;
}

// measure(): the width and height of the entry as its menu draws it.
int e_measure(lua_State* L) {
    check_nargs(L, 1);
    int i = 0;
    Fl_Menu_* m = entry_menu(L, 1, &i);
    need_display(L);
    int h = 0;
    const int w = m->menu()[i].measure(&h, m);
    lua_pushinteger(L, w);
    lua_pushinteger(L, h);
    return 2;
}

// find_shortcut(), test_shortcut(): the entry of this level (or, for
// test_shortcut, of its submenus too) whose shortcut the current event is.
int e_find_shortcut(lua_State* L) {
    check_nargs(L, 1);
    return push_found(L, [](const Fl_Menu_Item& e) { return e.find_shortcut(); });
}

int e_test_shortcut(lua_State* L) {
    check_nargs(L, 1);
    return push_found(L, [](const Fl_Menu_Item& e) { return e.test_shortcut(); });
}

// popup(x, y [, title]), pulldown(x, y, w, h): the level that
// starts at this entry as a menu of its own, shown until the user chooses;
// the entry chosen (its callback not run), or nil.
int e_popup(lua_State* L) {
    check_nargs(L, 4);
    int i = 0;
    Fl_Menu_* m = entry_menu(L, 1, &i);
    const int x = check_coordinate(L, 2), y = check_coordinate(L, 3);
    const char* title = luaL_optstring(L, 4, nullptr);
    need_popup_window(L);
    push_entry_handle(L, 1, found_index(m, m->menu()[i].popup(x, y, title, nullptr, m)));
    return 1;
}

int e_pulldown(lua_State* L) {
    check_nargs(L, 5);
    int i = 0;
    Fl_Menu_* m = entry_menu(L, 1, &i);
    const int x = check_coordinate(L, 2), y = check_coordinate(L, 3);
    const int w = check_coordinate(L, 4), h = check_coordinate(L, 5);
    need_popup_window(L);
    const Fl_Menu_Item* chosen = m->menu()[i].pulldown(x, y, w, h, nullptr, m, nullptr, 0);
    push_entry_handle(L, 1, found_index(m, chosen));
    return 1;
}

int e_tostring(lua_State* L) {
    auto* h = static_cast<EntryHandle*>(luaL_checkudata(L, 1, kEntryClass));
    lua_pushfstring(L, "Fl_Menu_Item: %d", h->index);
    return 1;
}

const luaL_Reg kEntryMethods[] = {
    {"label", e_label},           {"labelsize", e_labelsize},   {"labelfont", e_labelfont},
    {"labelcolor", e_labelcolor}, {"labeltype", e_labeltype},   {"image", e_image},
    {"shortcut", e_shortcut},     {"value", e_value},           {"set", e_set},
    {"clear", e_clear},           {"active", e_active},         {"activate", e_activate},
    {"deactivate", e_deactivate}, {"visible", e_visible},       {"show", e_show},
    {"hide", e_hide},             {"submenu", e_submenu},       {"checkbox", e_checkbox},
    {"radio", e_radio},           {"flags", e_flags},           {"activevisible", e_activevisible},
    {"checked", e_checked},       {"check", e_check},           {"uncheck", e_uncheck},
    {"setonly", e_setonly},       {"next", e_next},             {"first", e_first},
    {"size", e_size},             {"callback", e_callback},     {"user_data", e_user_data},
    {"do_callback", e_do_callback}, {"measure", e_measure},     {"find_shortcut", e_find_shortcut},
    {"test_shortcut", e_test_shortcut}, {"popup", e_popup},     {"pulldown", e_pulldown},
    {nullptr, nullptr},
};
const luaL_Reg kEntryMeta[] = {{"__tostring", e_tostring}, {nullptr, nullptr}};

// menu()[i]: the entry at FLTK's index i.
int array_index(lua_State* L) {
    luaL_checkudata(L, 1, kArrayClass);
    Fl_Menu_* m = handle_menu(L, 1);
    const int i = static_cast<int>(check_range(L, 2, 0, m->size() - 2));
    if (!m->menu()[i].text) return luaL_argerror(L, 2, "the end of a submenu is no entry");
    push_entry_handle(L, 1, i);
    return 1;
}


}  // namespace

Fl_Menu_* menu_of(Fl_Widget* w) {
    if (auto* m = dynamic_cast<Fl_Menu_*>(w)) return m;
    if (auto* ic = dynamic_cast<Fl_Input_Choice*>(w)) return ic->menubutton();
    return nullptr;
}

int add_menu_path(Fl_Menu_* m, const char* path, int shortcut, Fl_Callback* callback,
                  void* data, int flags) {
    const std::vector<std::string_view> parts = split_path(path);
    int first = 0;  // the first entry of the submenu reached so far
    for (size_t p = 0; p + 1 < parts.size(); ++p) {
        const std::string title = stored_label(parts[p]);
        const Fl_Menu_Item* a = m->menu();
        int found = -1;
        for (int i = first; a && a[i].text; i = after(a, i))
            if ((a[i].flags & FL_SUBMENU) && has_text_label(a[i]) && title == a[i].text) found = i;
        if (found < 0)
            found = insert_entry(m, a ? level_end(a, first) : 0, parts[p], 0, nullptr, nullptr,
                                 FL_SUBMENU);
        first = found + 1;
    }
    const Fl_Menu_Item* a = m->menu();
    return insert_entry(m, a ? level_end(a, first) : 0, parts.back(), shortcut, callback, data,
                        flags);
}

void need_popup_window(lua_State* L) {
    need_display(L);
    if (!Fl::first_window()) luaL_error(L, "a menu pops up only while a window is shown");
}

void push_entry_handle(lua_State* L, int menu_idx, int i) {
    if (i < 0) return lua_pushnil(L);
    menu_idx = lua_absindex(L, menu_idx);
    auto* h = static_cast<EntryHandle*>(lua_newuserdatauv(L, sizeof(EntryHandle), 1));
    h->index = i;
    luaL_setmetatable(L, kEntryClass);
    // The menu's widget: at menu_idx, or held by the entry or array there.
    if (to_widget(L, menu_idx)) lua_pushvalue(L, menu_idx);
    else lua_getiuservalue(L, menu_idx, 1);
    lua_setiuservalue(L, -2, 1);
}

int menu_array(lua_State* L) {
    check_nargs(L, 1);
    Fl_Widget* w = check_widget(L, 1);
    if (!menu_of(w)) return luaL_error(L, "%s has no method 'menu'", class_name(w));
    lua_newuserdatauv(L, 0, 1);
    luaL_setmetatable(L, kArrayClass);
    lua_pushvalue(L, 1);
    lua_setiuservalue(L, -2, 1);
    return 1;
}

void open_menu_entries(lua_State* L) {
    define_class(L, {kEntryClass, nullptr, kEntryMethods, kEntryMeta});
    // The array is indexed by number, so its __index is a function.
    luaL_newmetatable(L, kArrayClass);
    lua_pushcfunction(L, array_index);
    lua_setfield(L, -2, "__index");
    lua_pop(L, 1);
}

void release_menu_images(Fl_Widget* w) {
    Fl_Menu_* m = menu_of(w);
    if (!m || !m->menu()) return;
    auto* a = const_cast<Fl_Menu_Item*>(m->menu());
    for (int i = 0, n = m->size(); i < n; ++i)
        if (a[i].text && a[i].labeltype_ == _FL_IMAGE_LABEL) a[i].text = strdup("");
}

}  // namespace fluac_lua
