// Fl's timers and loop hooks: timeouts, idle and check functions, file
// descriptors, awake callbacks and the lock. Each Lua function is kept with
// its value (kept_functions.h) and runs as a protected call; an error stops
// the event loop and comes out of Fl:run(), Fl:wait() or Fl:check().
#include <FL/Fl.H>

#include <sys/select.h>

#include <cstdint>

#include "api_support.h"
#include "arguments.h"
#include "callbacks.h"
#include "kept_functions.h"

namespace fluac_lua {

namespace {

const char kTimeouts[] = "fluac.timeouts";
const char kIdles[] = "fluac.idles";
const char kChecks[] = "fluac.checks";
const char kAwakes[] = "fluac.awakes";
const char kFds[] = "fluac.fds";
const char kFdKeys[] = "fluac.fd_keys";
const char kOldIdle[] = "fluac.set_idle";

// Runs in a protected call: 1 = key, 2 = holder name when the entry is used
// once (timeouts, awake callbacks). Calls the function with its value.
int run_kept(lua_State* L) {
    void* key = lua_touserdata(L, 1);
    const auto* once = static_cast<const char*>(lua_touserdata(L, 2));
    if (!push_kept(L, key)) return 0;
    if (once) {
        push_holder(L, once);
        forget_kept(L, -1, key);
        lua_pop(L, 1);
    }
    lua_call(L, 1, 0);
    return 0;
}

void timeout_cb(void* key) { call_protected(run_kept, key, const_cast<char*>(kTimeouts)); }
void awake_cb(void* key) { call_protected(run_kept, key, const_cast<char*>(kAwakes)); }
void idle_cb(void* key) { call_protected(run_kept, key, nullptr); }

// A loop hook family: FLTK's add, remove and has functions for one callback.
struct Hooks {
    const char* holder;
    void (*callback)(void*);
    void (*add)(void (*)(void*), void*);
    void (*remove)(void (*)(void*), void*);
    int (*has)(void (*)(void*), void*);
};

void remove_timeout(void (*cb)(void*), void* key) { Fl::remove_timeout(cb, key); }
int has_timeout(void (*cb)(void*), void* key) { return Fl::has_timeout(cb, key); }
void add_idle(void (*cb)(void*), void* key) { Fl::add_idle(cb, key); }
void remove_idle(void (*cb)(void*), void* key) { Fl::remove_idle(cb, key); }
int has_idle(void (*cb)(void*), void* key) { return Fl::has_idle(cb, key); }
void add_check(void (*cb)(void*), void* key) { Fl::add_check(cb, key); }
void remove_check(void (*cb)(void*), void* key) { Fl::remove_check(cb, key); }
int has_check(void (*cb)(void*), void* key) { return Fl::has_check(cb, key); }

const Hooks kIdleHooks = {kIdles, idle_cb, add_idle, remove_idle, has_idle};
const Hooks kCheckHooks = {kChecks, idle_cb, add_check, remove_check, has_check};
const Hooks kTimeoutHooks = {kTimeouts, timeout_cb, nullptr, remove_timeout, has_timeout};

// Fl:add_idle(fn [, data]), Fl:add_check(fn [, data]).
int add_hook(lua_State* L, const Hooks& h) {
    check_nargs(L, 3);
    lua_settop(L, 3);
    push_holder(L, h.holder);
    h.add(h.callback, keep_function(L, -1, 2, 3));
    return 0;
}

// Removes the entries of fn (with that value, or every value when
// `any_data`); C++ removes one idle or check function, every timeout.
int remove_hook(lua_State* L, const Hooks& h, bool any_data, bool first_only) {
    check_nargs(L, 3);
    luaL_checktype(L, 2, LUA_TFUNCTION);
    lua_settop(L, 3);
    push_holder(L, h.holder);
    bool done = false;
    each_kept(L, 4, 2, 3, any_data, [&](void* key) {
        if (done) return;
        h.remove(h.callback, key);
        forget_kept(L, 4, key);
        done = first_only;
    });
    return 0;
}

int has_hook(lua_State* L, const Hooks& h) {
    check_nargs(L, 3);
    luaL_checktype(L, 2, LUA_TFUNCTION);
    lua_settop(L, 3);
    push_holder(L, h.holder);
    bool found = false;
    each_kept(L, 4, 2, 3, false, [&](void* key) { found = found || h.has(h.callback, key); });
    lua_pushboolean(L, found);
    return 1;
}

int fl_add_idle(lua_State* L) { return add_hook(L, kIdleHooks); }
int fl_remove_idle(lua_State* L) { return remove_hook(L, kIdleHooks, false, true); }
int fl_has_idle(lua_State* L) { return has_hook(L, kIdleHooks); }
int fl_add_check(lua_State* L) { return add_hook(L, kCheckHooks); }
int fl_remove_check(lua_State* L) { return remove_hook(L, kCheckHooks, false, true); }
int fl_has_check(lua_State* L) { return has_hook(L, kCheckHooks); }

// Fl:add_timeout(seconds, fn [, data]) and Fl:repeat_timeout(...), which
// counts from when the running timeout was due, for steady ticks.
int timeout(lua_State* L, void (*schedule)(double, void (*)(void*), void*)) {
    check_nargs(L, 4);
    const double t = check_finite(L, 2);
    lua_settop(L, 4);
    push_holder(L, kTimeouts);
    schedule(t, timeout_cb, keep_function(L, -1, 3, 4));
    return 0;
}
int fl_add_timeout(lua_State* L) { return timeout(L, Fl::add_timeout); }
int fl_repeat_timeout(lua_State* L) { return timeout(L, Fl::repeat_timeout); }
// As in C++, without a value every timeout of the function goes.
int fl_remove_timeout(lua_State* L) {
    return remove_hook(L, kTimeoutHooks, lua_isnoneornil(L, 3), false);
}
int fl_has_timeout(lua_State* L) { return has_hook(L, kTimeoutHooks); }

// Lock depth: an unlock without a lock would release FLTK's mutex unowned.
int gLocks = 0;
// FLTK's first lock sets up what awake needs.
bool gThreadsReady = false;

// Fl:awake(fn [, data]) runs fn(data) from the event loop once; Fl:awake()
// only wakes the loop. -1 when FLTK's queue is full.
int fl_awake(lua_State* L) {
    check_nargs(L, 3);
    if (!gThreadsReady) return luaL_error(L, "Fl:awake() needs Fl:lock() first");
    if (lua_isnoneornil(L, 2)) {
        Fl::awake(static_cast<void*>(nullptr));
        return 0;
    }
    lua_settop(L, 3);
    push_holder(L, kAwakes);
    void* key = keep_function(L, 4, 2, 3);
    const int r = Fl::awake(awake_cb, key);
    if (r < 0) forget_kept(L, 4, key);
    lua_pushinteger(L, r);
    return 1;
}

int fl_lock(lua_State* L) {
    check_nargs(L, 1);
    const int r = Fl::lock();
    if (r == 0) {
        ++gLocks;
        gThreadsReady = true;
    }
    lua_pushinteger(L, r);
    return 1;
}

int fl_unlock(lua_State* L) {
    check_nargs(L, 1);
    if (gLocks == 0) return luaL_error(L, "Fl:unlock() without Fl:lock()");
    --gLocks;
    Fl::unlock();
    return 0;
}

// File descriptors: fn(fd, data) when FLTK's select() finds it ready.
int run_fd(lua_State* L) {
    const auto fd = static_cast<lua_Integer>(reinterpret_cast<intptr_t>(lua_touserdata(L, 2)));
    if (!push_kept(L, lua_touserdata(L, 1))) return 0;
    lua_pushinteger(L, fd);
    lua_insert(L, -2);
    lua_call(L, 2, 0);
    return 0;
}

void fd_cb(int fd, void* key) {
    call_protected(run_fd, key, reinterpret_cast<void*>(static_cast<intptr_t>(fd)));
}

constexpr int kAllFdEvents = FL_READ | FL_WRITE | FL_EXCEPT;

// The entry of one (fd, events) registration, replaced as FLTK replaces it.
void forget_fd_slot(lua_State* L, lua_Integer slot) {
    push_holder(L, kFdKeys);
    if (lua_rawgeti(L, -1, slot) == LUA_TNUMBER) {
        push_holder(L, kFds);
        forget_kept(L, -1, key_of(lua_tointeger(L, -2)));
        lua_pop(L, 1);
        lua_pushnil(L);
        lua_rawseti(L, -3, slot);
    }
    lua_pop(L, 2);
}

// Fl:add_fd(fd, [events,] fn [, data]); select() cannot take descriptors
// past FD_SETSIZE.
int fl_add_fd(lua_State* L) {
    check_nargs(L, 5);
    const int fd = static_cast<int>(check_range(L, 2, 0, FD_SETSIZE - 1));
    int events = FL_READ;
    if (lua_type(L, 3) == LUA_TNUMBER) {
        events = static_cast<int>(check_range(L, 3, 1, kAllFdEvents));
        if (events & ~kAllFdEvents) return luaL_argerror(L, 3, "FL_READ, FL_WRITE or FL_EXCEPT");
        lua_remove(L, 3);
    }
    lua_settop(L, 4);
    const lua_Integer slot = static_cast<lua_Integer>(fd) * 16 + events;
    forget_fd_slot(L, slot);
    push_holder(L, kFds);
    void* key = keep_function(L, 5, 3, 4);
    push_holder(L, kFdKeys);
    lua_pushinteger(L, id_of(key));
    lua_rawseti(L, -2, slot);
    Fl::add_fd(fd, events, fd_cb, key);
    return 0;
}

int fl_remove_fd(lua_State* L) {
    check_nargs(L, 3);
    const int fd = static_cast<int>(check_range(L, 2, 0, FD_SETSIZE - 1));
    const int events =
        lua_isnoneornil(L, 3) ? kAllFdEvents : static_cast<int>(check_range(L, 3, 1, kAllFdEvents));
    Fl::remove_fd(fd, events);
    for (int e = 1; e <= kAllFdEvents; ++e)
        if ((e & ~events) == 0) forget_fd_slot(L, static_cast<lua_Integer>(fd) * 16 + e);
    return 0;
}

// Fl:set_idle(fn): the older single idle function, called without a value.
int run_old_idle(lua_State* L) {
    if (lua_getfield(L, LUA_REGISTRYINDEX, kOldIdle) != LUA_TFUNCTION) return 0;
    lua_call(L, 0, 0);
    return 0;
}

void old_idle_cb() { call_protected(run_old_idle, nullptr, nullptr); }

int fl_set_idle(lua_State* L) {
    check_nargs(L, 2);
    if (!lua_isnil(L, 2)) luaL_checktype(L, 2, LUA_TFUNCTION);
    const bool clear = lua_isnil(L, 2);
    lua_settop(L, 2);
    lua_setfield(L, LUA_REGISTRYINDEX, kOldIdle);
    Fl::set_idle(clear ? nullptr : old_idle_cb);
    return 0;
}

const luaL_Reg kTimerFunctions[] = {
    {"add_timeout", fl_add_timeout},
    {"repeat_timeout", fl_repeat_timeout},
    {"remove_timeout", fl_remove_timeout},
    {"has_timeout", fl_has_timeout},
    {"add_idle", fl_add_idle},
    {"remove_idle", fl_remove_idle},
    {"has_idle", fl_has_idle},
    {"set_idle", fl_set_idle},
    {"add_check", fl_add_check},
    {"remove_check", fl_remove_check},
    {"has_check", fl_has_check},
    {"add_fd", fl_add_fd},
    {"remove_fd", fl_remove_fd},
    {"awake", fl_awake},
    {"lock", fl_lock},
    {"unlock", fl_unlock},
    {nullptr, nullptr},
};

}  // namespace

void add_fl_timer_functions(lua_State* L) { luaL_setfuncs(L, kTimerFunctions, 0); }

}  // namespace fluac_lua
