// libFuzzer target: the FLTK binding, called from C as a script would call
// it, without a display (as fluac-lua --tree runs). Every call must end in a
// result or a Lua error; the sanitizers catch anything else.
//
// At start, a sweep calls every method of every class, through the class's
// method table, with each edge argument in each position, with too many
// arguments, on a widget of another class and on a deleted widget; and it
// gives a widget of every class, and its window, draw and handle functions
// that fail, delete the widget, call the class's own or another widget's,
// or take themselves away, and calls them. Then each input is read as a
// sequence of operations: build a widget, call a method of any class on any
// value, call Fl's functions, change the current group, delete widgets,
// collect garbage, set a widget's draw or handle.
#include <fuzzer/FuzzedDataProvider.h>

#include <FL/Fl.H>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include <lua.hpp>

#include "binding.h"
#include "classes.h"
#include "lua_class.h"
#include "tree.h"

namespace {

// Edge values, as Lua source; the first ones are also the ordinary values
// the sweep puts around an edge value.
const char* const kValues[] = {
    "1", "0", "-1", "2", "7", "255", "256", "0x7fffffff", "0x80000000", "-0x80000000",
    "-0x80000001", "math.maxinteger", "math.mininteger", "0.5", "-0.0", "1e300", "-1e300",
    "0/0", "1/0", "-1/0", "nil", "true", "false", "''", "'a'", "'&File/&Quit'", "'a/b/c'",
    "'x\\\\'", "'/'", "'\\\\/'", "'@C1@.line'", "'12'", "('x'):rep(300)", "'a\\0b'", "{}",
    "function() end", "function() error('from a callback') end",
    "function(w) pcall(Fl.delete_widget, Fl, w) end", "print", "fltk", "Fl",
};
constexpr int kValueCount = static_cast<int>(sizeof kValues / sizeof kValues[0]);

// Lua functions for a widget's draw and handle (called with the widget, and
// the event for handle).
const char* const kHooks[] = {
    "function() error('from a hook') end",
    "function(w) Fl:delete_widget(w) Fl:check() return 1 end",
    "function(w, e) if e then return w:handle(e) end w:draw() end",
    "function(w, e) local p = w:parent() or w if e then return p:handle(e) end p:draw() end",
    "function(w, e) local c = w:window() or w c.draw, c.handle = w.draw, w.handle if e then return c:handle((e + 1) % 256) end c:draw() end",
    "function(w, e) w.draw = nil w.handle = nil return e end",
    "function(w) w:redraw() collectgarbage() return 0/0 end",
    "function(w) return {} end",
};
constexpr int kHookCount = static_cast<int>(sizeof kHooks / sizeof kHooks[0]);
const int kEvents[] = {0, 1, 2, 3, 8, 12, 15, 16, 255};
constexpr int kMostArguments = 7;  // more than any method takes
constexpr int kSlots = 16;         // values an input builds and reuses

struct Method {
    const char* class_name;
    const char* name;
};

struct Binding {
    lua_State* L = nullptr;
    int values = 0;  // registry reference: the edge values, from 1
    int slots = 0;   // registry reference: what the input built, from 1
    int hooks = 0;   // registry reference: the hooks, from 1
    std::vector<std::string> constructors;
    std::vector<Method> methods;
};

void open(Binding& b) {
    b.L = luaL_newstate();
    lua_State* L = b.L;
    luaL_openlibs(L);
    fluac_lua::open_binding(L);
    std::string source = "return {";
    for (const char* v : kValues) source += std::string(v) + ",";
    source += "}";
    if (luaL_dostring(L, source.c_str()) != LUA_OK) {
        std::fprintf(stderr, "%s\n", lua_tostring(L, -1));
        std::abort();
    }
    b.values = luaL_ref(L, LUA_REGISTRYINDEX);
    source = "return {";
    for (const char* h : kHooks) source += std::string(h) + ",";
    source += "}";
    if (luaL_dostring(L, source.c_str()) != LUA_OK) {
        std::fprintf(stderr, "%s\n", lua_tostring(L, -1));
        std::abort();
    }
    b.hooks = luaL_ref(L, LUA_REGISTRYINDEX);
    lua_newtable(L);
    b.slots = luaL_ref(L, LUA_REGISTRYINDEX);
    if (b.constructors.empty()) {
        lua_getglobal(L, "fltk");
        lua_pushnil(L);
        while (lua_next(L, -2)) {
            if (lua_type(L, -2) == LUA_TSTRING && lua_isfunction(L, -1) &&
                std::strncmp(lua_tostring(L, -2), "Fl_", 3) == 0)
                b.constructors.emplace_back(lua_tostring(L, -2));
            lua_pop(L, 1);
        }
        lua_pop(L, 1);
        std::sort(b.constructors.begin(), b.constructors.end());
        for (const fluac_lua::WidgetClass* c : fluac_lua::all_classes())
            for (const luaL_Reg* r = c->lua.methods; r->name; ++r) b.methods.push_back({c->lua.name, r->name});
    }
}

void close(Binding& b) {
    fluac_lua::close_binding();
    lua_close(b.L);
    b.L = nullptr;
}

void push_value(Binding& b, int i) {
    lua_rawgeti(b.L, LUA_REGISTRYINDEX, b.values);
    lua_rawgeti(b.L, -1, i % kValueCount + 1);
    lua_remove(b.L, -2);
}

void push_hook(Binding& b, int i) {
    lua_rawgeti(b.L, LUA_REGISTRYINDEX, b.hooks);
    lua_rawgeti(b.L, -1, i % kHookCount + 1);
    lua_remove(b.L, -2);
}

void push_slot(Binding& b, int i) {
    lua_rawgeti(b.L, LUA_REGISTRYINDEX, b.slots);
    lua_rawgeti(b.L, -1, i % kSlots + 1);
    lua_remove(b.L, -2);
}

// Keeps the value on top of the stack in slot i, popping it.
void keep(Binding& b, int i) {
    lua_rawgeti(b.L, LUA_REGISTRYINDEX, b.slots);
    lua_insert(b.L, -2);
    lua_rawseti(b.L, -2, i % kSlots + 1);
    lua_pop(b.L, 1);
}

// Calls the function below `nargs` arguments; leaves its first result (or
// the error) on the stack.
void call(lua_State* L, int nargs) {
    if (lua_pcall(L, nargs, 1, 0) != LUA_OK && !lua_isstring(L, -1) && !lua_isnil(L, -1) &&
        !fluac_lua::is_stop_signal(L, -1))
        std::abort();  // the binding raises messages only
}

// value_at[field] = the value on top of the stack (popped), as a script
// assigns a widget's draw or handle.
void assign(lua_State* L, int value_at, const char* field) {
    lua_pushcfunction(L, [](lua_State* L) {
        lua_settable(L, 1);
        return 0;
    });
    lua_pushvalue(L, value_at);
    lua_pushstring(L, field);
    lua_rotate(L, -4, -1);  // function, object, field, value
    call(L, 3);
    lua_pop(L, 1);
}

// Calls the method `name` of the value at `self` with the integer arguments.
void call_method(lua_State* L, int self, const char* name, std::initializer_list<int> args) {
    lua_pushcfunction(L, [](lua_State* L) {
        lua_gettable(L, 1);
        return 1;
    });
    lua_pushvalue(L, self);
    lua_pushstring(L, name);
    call(L, 2);
    lua_pushvalue(L, self);
    for (int a : args) lua_pushinteger(L, a);
    call(L, static_cast<int>(args.size()) + 1);
    lua_pop(L, 1);
}

void push_method(lua_State* L, const Method& m) {
    fluac_lua::push_methods(L, m.class_name);
    lua_getfield(L, -1, m.name);
    lua_remove(L, -2);
}

void push_constructor(lua_State* L, const std::string& name) {
    lua_getglobal(L, "fltk");
    lua_getfield(L, -1, name.c_str());
    lua_insert(L, -2);  // fltk becomes the first argument
}

void call_global(lua_State* L, const char* table, const char* function, int nargs) {
    lua_getglobal(L, table);
    lua_getfield(L, -1, function);
    lua_insert(L, -2 - nargs);
    lua_insert(L, -1 - nargs);
    call(L, nargs + 1);
    lua_pop(L, 1);
}

// Builds a widget of the class inside a window of its own, with no group
// current; leaves the window and the widget (nil if refused) on the stack.
void build(Binding& b, const std::string& name) {
    lua_State* L = b.L;
    lua_pushnil(L);
    call_global(L, "Fl_Group", "current", 1);
    push_constructor(L, "Fl_Window");
    for (int i = 0; i < 4; ++i) lua_pushinteger(L, 100);
    call(L, 5);
    push_constructor(L, name);
    for (int i = 0; i < 4; ++i) lua_pushinteger(L, 10 * (i + 1));
    lua_pushstring(L, "label");
    call(L, 6);
}

// Deletes the window on the stack at `idx`, with what it holds.
void discard(Binding& b, int idx) {
    lua_pushvalue(b.L, idx);
    call_global(b.L, "Fl", "delete_widget", 1);
    Fl::do_widget_deletion();
}

// The classes whose methods a widget has: its own and its bases'.
std::vector<std::string> ancestry(lua_State* L, int idx) {
    std::vector<std::string> names;
    if (!luaL_getmetafield(L, idx, "__name")) return names;
    for (const fluac_lua::WidgetClass* c = fluac_lua::find_class(lua_tostring(L, -1)); c;
         c = c->lua.parent ? fluac_lua::find_class(c->lua.parent) : nullptr)
        names.emplace_back(c->lua.name);
    lua_pop(L, 1);
    return names;
}

// Calls the method on the value at `self`: with no argument, with each edge
// value in each of the first places (after ordinary ones), and with too many.
long call_with_edges(Binding& b, const Method& m, int self) {
    lua_State* L = b.L;
    long calls = 0;
    for (int place = -1; place < kMostArguments - 1; ++place) {
        for (int v = 0; v < (place < 0 ? 1 : kValueCount); ++v) {
            push_method(L, m);
            lua_pushvalue(L, self);
            for (int i = 0; i <= place; ++i) push_value(b, i == place ? v : 0);
            call(L, place + 2);
            lua_pop(L, 1);
            ++calls;
        }
    }
    push_method(L, m);
    lua_pushvalue(L, self);
    for (int i = 0; i < kMostArguments; ++i) push_value(b, 0);
    call(L, kMostArguments + 1);
    lua_pop(L, 1);
    return calls + 1;
}

// The sweep: every method of every class, on a widget of every class that
// has it; on a deleted one; and on a widget of a class that lacks it.
void sweep() {
    Binding b;
    open(b);
    lua_State* L = b.L;
    long calls = 0, pairs = 0;
    std::vector<bool> reached(b.methods.size());
    for (const std::string& cls : b.constructors) {
        build(b, cls);
        const std::vector<std::string> has = ancestry(L, -1);
        discard(b, -2);
        lua_pop(L, 2);
        for (size_t i = 0; i < b.methods.size(); ++i) {
            const Method& m = b.methods[i];
            const bool own = std::find(has.begin(), has.end(), m.class_name) != has.end();
            if (!own && cls != "Fl_Box") continue;
            build(b, cls);
            const int top = lua_gettop(L);
            calls += call_with_edges(b, m, top);
            discard(b, top - 1);
            if (own) {  // the same widget, deleted
                calls += call_with_edges(b, m, top);
                reached[i] = true;
                ++pairs;
            }
            lua_settop(L, top - 2);
        }
    }
    long hook_calls = 0;
    for (const std::string& cls : b.constructors) {
        for (int h = 0; h < kHookCount; ++h) {
            build(b, cls);
            const int top = lua_gettop(L);
            for (int self : {top, top - 1}) {
                for (const char* field : {"draw", "handle"}) {
                    push_hook(b, h + self);
                    assign(L, self, field);
                }
            }
            for (int self : {top, top - 1}) {
                call_method(L, self, "draw", {});
                for (int e : kEvents) call_method(L, self, "handle", {e});
                hook_calls += 1 + static_cast<long>(std::size(kEvents));
            }
            discard(b, top - 1);
            lua_settop(L, top - 2);
        }
    }
    const auto called = static_cast<size_t>(std::count(reached.begin(), reached.end(), true));
    std::fprintf(stderr,
                 "binding sweep: %zu constructors, %zu of %zu methods called on widgets of their "
                 "classes (%ld pairs), %ld calls; %ld calls of draw and handle functions\n",
                 b.constructors.size(), called, b.methods.size(), pairs, calls, hook_calls);
    // A method that no widget built here has is out of the fuzzer's reach.
    for (size_t i = 0; i < b.methods.size(); ++i)
        if (!reached[i])
            std::fprintf(stderr, "not reached: %s:%s\n", b.methods[i].class_name, b.methods[i].name);
    if (called != b.methods.size()) std::abort();
    close(b);
}

void run(Binding& b, FuzzedDataProvider& in) {
    lua_State* L = b.L;
    while (in.remaining_bytes() > 0) {
        const int top = lua_gettop(L);
        switch (in.ConsumeIntegralInRange(0, 8)) {
        case 0: {  // build a widget
            const auto& name = b.constructors[in.ConsumeIntegralInRange<size_t>(0, b.constructors.size() - 1)];
            push_constructor(L, name);
            for (int i = 0; i < 4; ++i) push_value(b, in.ConsumeIntegral<uint8_t>() % 8);
            push_value(b, in.ConsumeIntegral<uint8_t>());
            call(L, 6);
            keep(b, in.ConsumeIntegral<uint8_t>());
            break;
        }
        case 1:    // a method of any class, on any value
        case 2: {  // or the object's own method of that name
            const Method& m = b.methods[in.ConsumeIntegralInRange<size_t>(0, b.methods.size() - 1)];
            const int self = in.ConsumeIntegral<uint8_t>();
            if (in.ConsumeBool()) {
                push_method(L, m);
                push_slot(b, self);
            } else {
                push_slot(b, self);
                lua_pushcfunction(L, [](lua_State* L) {
                    lua_gettable(L, 1);
                    return 1;
                });
                lua_insert(L, -2);
                lua_pushstring(L, m.name);
                call(L, 2);
                push_slot(b, self);
            }
            const int nargs = in.ConsumeIntegralInRange(0, kMostArguments);
            for (int i = 0; i < nargs; ++i) {
                if (in.ConsumeBool()) push_slot(b, in.ConsumeIntegral<uint8_t>());
                else push_value(b, in.ConsumeIntegral<uint8_t>());
            }
            call(L, nargs + 1);
            keep(b, in.ConsumeIntegral<uint8_t>());
            break;
        }
        case 3: {  // Fl's functions
            static const char* const kFl[] = {"run",  "check", "wait", "flush", "handle", "delete_widget",
                                              "first_window", "event_key", "event_x"};
            lua_getglobal(L, "Fl");
            lua_getfield(L, -1, kFl[in.ConsumeIntegralInRange<size_t>(0, std::size(kFl) - 1)]);
            lua_insert(L, -2);
            const int nargs = in.ConsumeIntegralInRange(0, 3);
            for (int i = 0; i < nargs; ++i) push_slot(b, in.ConsumeIntegral<uint8_t>());
            call(L, nargs + 1);
            keep(b, in.ConsumeIntegral<uint8_t>());
            break;
        }
        case 4: {  // the current group
            lua_getglobal(L, "Fl_Group");
            lua_getfield(L, -1, "current");
            lua_insert(L, -2);
            int nargs = 1;
            if (in.ConsumeBool()) push_slot(b, in.ConsumeIntegral<uint8_t>()), ++nargs;
            call(L, nargs);
            keep(b, in.ConsumeIntegral<uint8_t>());
            break;
        }
        case 5: {  // images
            lua_getglobal(L, "fltk");
            lua_getfield(L, -1, "fl_register_images");
            call(L, 0);
            lua_getglobal(L, "Fl_Shared_Image");
            lua_getfield(L, -1, "get");
            lua_pushstring(L, in.ConsumeBool() ? FLUAC_TEST_IMAGE : "missing.png");
            push_value(b, in.ConsumeIntegral<uint8_t>() % 8);
            push_value(b, in.ConsumeIntegral<uint8_t>() % 8);
            call(L, 3);
            keep(b, in.ConsumeIntegral<uint8_t>());
            break;
        }
        case 6:  // a deletion takes effect
            Fl::do_widget_deletion();
            break;
        case 7:
            lua_gc(L, LUA_GCCOLLECT);
            break;
        case 8: {  // a widget's draw or handle: a hook, any value, or nil
            push_slot(b, in.ConsumeIntegral<uint8_t>());
            const int self = lua_gettop(L);
            static const char* const kFields[] = {"draw", "handle", "label"};
            const char* field = kFields[in.ConsumeIntegralInRange<size_t>(0, std::size(kFields) - 1)];
            if (in.ConsumeBool()) push_hook(b, in.ConsumeIntegral<uint8_t>());
            else push_value(b, in.ConsumeIntegral<uint8_t>());
            assign(L, self, field);
            break;
        }
        }
        lua_settop(L, top);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fluac_lua::enable_tree_mode();
    sweep();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Binding b;
    open(b);
    FuzzedDataProvider in(data, size);
    run(b, in);
    close(b);
    return 0;
}
