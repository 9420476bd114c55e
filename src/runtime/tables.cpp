// Fl_Table and Fl_Table_Row. A table draws its cells with a draw_cell that
// only C++ can give, so from Lua it arranges the widgets in its cells, and
// keeps its rows, columns, headers and selection.
#include <FL/Fl_Table.H>
#include <FL/Fl_Table_Row.H>

#include "callbacks.h"
#include "group_methods.h"

namespace fluac_lua {

namespace {

// FLTK adds the heights of all rows (and the widths of all columns) in int.
constexpr long long kMostCells = 1 << 16;
constexpr long long kLargestCell = 1 << 14;

int check_cell_size(lua_State* L, int idx) {
    return static_cast<int>(check_range(L, idx, 0, kLargestCell));
}

// row_height(row [, h]) and col_width(col [, w]): a row or column the table has.
template <int (Fl_Table::*Count)(), int (Fl_Table::*Get)(int), void (Fl_Table::*Set)(int, int)>
int cell_size(lua_State* L) {
    Fl_Table* t = check_call<Fl_Table>(L, 3);
    const auto i = static_cast<int>(check_range(L, 2, 0, kMostCells));
    if (lua_gettop(L) < 3) {
        lua_pushinteger(L, (t->*Get)(i));
        return 1;
    }
    const int size = check_cell_size(L, 3);
    if (i >= (t->*Count)()) return luaL_argerror(L, 2, "no such row or column");
    (t->*Set)(i, size);
    return 0;
}

// clear(): no rows, no columns, and the children go as a group's do.
int clear(lua_State* L) {
    Fl_Table* t = check_call<Fl_Table>(L, 1);
    t->rows(0);
    t->cols(0);
    group::drop_children(L, t);
    return 0;
}

// do_callback() or do_callback(context, row, col).
int do_callback(lua_State* L) {
    Fl_Table* t = check_call<Fl_Table>(L, 4);
    if (lua_gettop(L) <= 1) {
        t->Fl_Widget::do_callback();
    } else {
        const auto context = static_cast<Fl_Table::TableContext>(check_range(L, 2, 0, 255));
        const auto row = static_cast<int>(check_range(L, 3, -1, kMostCells));
        const auto col = static_cast<int>(check_range(L, 4, -1, kMostCells));
        t->do_callback(context, row, col);
    }
    raise_pending_error(L);
    return 0;
}

// when(n): the table's and its inner group's, FLTK 1.3's conditions only.
int when(lua_State* L) {
    return int_property<Fl_Table>(
        L, 0, 255, [](Fl_Table* t) { return t->when(); },
        [](Fl_Table* t, long long n) { t->when(static_cast<Fl_When>(n & kLastWhen)); });
}

// get_selection() -> top, left, bottom, right; visible_cells() -> top row,
// bottom row, left column, right column.
template <void (Fl_Table::*F)(int&, int&, int&, int&)>
int four_results(lua_State* L) {
    int r[4] = {0, 0, 0, 0};
    (check_call<Fl_Table>(L, 1)->*F)(r[0], r[1], r[2], r[3]);
    for (int v : r) lua_pushinteger(L, v);
    return 4;
}

// set_selection(top, left, bottom, right)
int set_selection(lua_State* L) {
    Fl_Table* t = check_call<Fl_Table>(L, 5);
    int s[4];
    for (int i = 0; i < 4; ++i) s[i] = static_cast<int>(check_range(L, i + 2, -1, kMostCells));
    t->set_selection(s[0], s[1], s[2], s[3]);
    return 0;
}

int is_selected(lua_State* L) {
    Fl_Table* t = check_call<Fl_Table>(L, 3);
    const auto row = static_cast<int>(check_range(L, 2, -1, kMostCells));
    const auto col = static_cast<int>(check_range(L, 3, -1, kMostCells));
    lua_pushboolean(L, t->is_selected(row, col));
    return 1;
}

// move_cursor(rows, cols [, extend]): moves the selection cursor by that much.
int move_cursor(lua_State* L) {
    Fl_Table* t = check_call<Fl_Table>(L, 4);
    const auto rows = static_cast<int>(check_range(L, 2, -kMostCells, kMostCells));
    const auto cols = static_cast<int>(check_range(L, 3, -kMostCells, kMostCells));
    const bool extend = !lua_isnoneornil(L, 4) && check_flag(L, 4);
    lua_pushboolean(L, t->move_cursor(rows, cols, extend));
    return 1;
}

// Fl_Table_Row: row_selected(row) and select_row(row [, flag]) give FLTK's
// 1, 0, or -1 for a row the table does not have; flag 0 deselects, 1
// selects, 2 toggles.
int row_selected(lua_State* L) {
    Fl_Table_Row* t = check_call<Fl_Table_Row>(L, 2);
    lua_pushinteger(L, t->row_selected(static_cast<int>(check_range(L, 2, -1, kMostCells))));
    return 1;
}

int select_row(lua_State* L) {
    Fl_Table_Row* t = check_call<Fl_Table_Row>(L, 3);
    const auto row = static_cast<int>(check_range(L, 2, -1, kMostCells));
    const auto flag = static_cast<int>(lua_isnoneornil(L, 3) ? 1 : check_range(L, 3, 0, 2));
    lua_pushinteger(L, t->select_row(row, flag));
    return 1;
}

int select_all_rows(lua_State* L) {
    Fl_Table_Row* t = check_call<Fl_Table_Row>(L, 2);
    t->select_all_rows(static_cast<int>(lua_isnoneornil(L, 2) ? 1 : check_range(L, 2, 0, 2)));
    return 0;
}

// type(): SELECT_NONE (0), SELECT_SINGLE (1) or SELECT_MULTI (2); -1 keeps it.
int row_type(lua_State* L) {
    return int_property<Fl_Table_Row>(
        L, -1, Fl_Table_Row::SELECT_MULTI, [](Fl_Table_Row* t) { return t->type(); },
        [](Fl_Table_Row* t, long long n) {
            if (n >= 0) t->type(static_cast<Fl_Table_Row::TableRowSelectMode>(n));
        });
}

void no_callback(Fl_Widget*, void*) {}

// FLTK 1.3 leaves the context of a table's callback unset until its first
// callback, so that callback_context() would read an undefined value.
template <class T>
Fl_Widget* make_table(int x, int y, int w, int h, const char* name, const char* lua_class) {
    auto* t = new Bound<T>(x, y, w, h, name, lua_class);
    t->callback(no_callback);
    t->do_callback(Fl_Table::CONTEXT_NONE, -1, -1);
    t->callback(Fl_Widget::default_callback);
    return t;
}

}  // namespace

template <>
Fl_Widget* make_widget<Fl_Table>(int x, int y, int w, int h, const char* name, const char* lua_class) {
    return make_table<Fl_Table>(x, y, w, h, name, lua_class);
}

template <>
Fl_Widget* make_widget<Fl_Table_Row>(int x, int y, int w, int h, const char* name,
                                     const char* lua_class) {
    return make_table<Fl_Table_Row>(x, y, w, h, name, lua_class);
}

const luaL_Reg kTableMethods[] = {
    FLUAC_GROUP_METHODS(Fl_Table),
    {"clear", clear},
    {"do_callback", do_callback},
    {"when", when},
    {"get_selection", four_results<&Fl_Table::get_selection>},
    {"set_selection", set_selection},
    {"visible_cells", four_results<&Fl_Table::visible_cells>},
    {"is_selected", is_selected},
    {"move_cursor", move_cursor},
    {"row_height", cell_size<&Fl_Table::rows, &Fl_Table::row_height, &Fl_Table::row_height>},
    {"col_width", cell_size<&Fl_Table::cols, &Fl_Table::col_width, &Fl_Table::col_width>},
    FLUAC_INT(Fl_Table, rows, 0, kMostCells),
    FLUAC_INT(Fl_Table, cols, 0, kMostCells),
    FLUAC_SET_INT(Fl_Table, row_height_all, 0, kLargestCell),
    FLUAC_SET_INT(Fl_Table, col_width_all, 0, kLargestCell),
    FLUAC_INT(Fl_Table, row_position, 0, kMostCells),
    FLUAC_INT(Fl_Table, col_position, 0, kMostCells),
    FLUAC_INT(Fl_Table, top_row, 0, kMostCells),
    FLUAC_INT(Fl_Table, row_header_width, 0, kLargestCell),
    FLUAC_INT(Fl_Table, col_header_height, 0, kLargestCell),
    FLUAC_INT(Fl_Table, row_resize_min, 1, kLargestCell),
    FLUAC_INT(Fl_Table, col_resize_min, 1, kLargestCell),
    FLUAC_INT(Fl_Table, table_box, 0, kLastBoxtype),
    FLUAC_COLOR(Fl_Table, row_header_color),
    FLUAC_COLOR(Fl_Table, col_header_color),
    FLUAC_FLAG(Fl_Table, row_header),
    FLUAC_FLAG(Fl_Table, col_header),
    FLUAC_FLAG(Fl_Table, row_resize),
    FLUAC_FLAG(Fl_Table, col_resize),
    FLUAC_GET(Fl_Table, callback_row),
    FLUAC_GET(Fl_Table, callback_col),
    FLUAC_GET(Fl_Table, callback_context),
    FLUAC_GET_FLAG(Fl_Table, is_interactive_resize),
    {nullptr, nullptr},
};

const luaL_Reg kTableRowMethods[] = {
    {"row_selected", row_selected},
    {"select_row", select_row},
    {"select_all_rows", select_all_rows},
    {"type", row_type},
    {nullptr, nullptr},
};

}  // namespace fluac_lua
