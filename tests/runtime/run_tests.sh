#!/bin/sh
# The binding's tests: Lua scripts run by fluac-lua (or its AddressSanitizer
# build), and fluac-lua's command line. Needs an X server.
# usage: run_tests.sh FLUAC_LUA FLUAC SOURCE_DIR WORK_DIR
set -u
fluac_lua=$1 fluac=$2 src=$3 work=$4
tests=$src/tests/runtime
mkdir -p "$work"
[ -n "${XVFB_STARTED:-}" ] && : >"$XVFB_STARTED"
passed=0 failed=0

pass() { passed=$((passed + 1)); echo "ok   $1"; }
fail() { failed=$((failed + 1)); echo "FAIL $1"; [ -f "$work/out" ] && sed 's/^/       /' "$work/out"; }

# lua_test NAME ARGS...: the script must run to its end and print nothing.
lua_test() {
    name=$1
    shift
    if "$fluac_lua" "$tests/$name.lua" "$tests" "$@" >"$work/out" 2>&1 && [ ! -s "$work/out" ]; then
        pass "$name"
    else
        fail "$name"
    fi
}

# expect NAME STATUS MESSAGE COMMAND...: exit status and exact standard error.
expect() {
    name=$1 status=$2 message=$3
    shift 3
    actual=0
    (cd "$work" && "$@") >"$work/out" 2>"$work/err" || actual=$?
    if [ "$actual" = "$status" ] && [ "$(cat "$work/err")" = "$message" ]; then
        pass "$name"
    else
        { echo "status $actual, expected $status"; cat "$work/err"; } >"$work/out"
        fail "$name"
    fi
}

"$fluac" "$src/examples/editor.fl" "$work/editor.lua"
"$fluac" "$src/tests/cases/menu_bars_beside_widgets.fl" "$work/menu_bars.lua"
"$fluac" -x "$src/tests/cases/ext_blocks_after_containers.fl" "$work/blocks.lua"

lua_test constructors
lua_test methods "$src/tests/render/screens/info_icon.png"
lua_test widget_methods
lua_test callbacks
lua_test menus
lua_test lists
lua_test errors
lua_test limits
lua_test structure "$work/editor.lua" "$work/menu_bars.lua" "$work/blocks.lua"
# The FLTK API beyond widget methods.
rm -rf "$work/files" && mkdir -p "$work/files"
lua_test loop
lua_test dialogs
lua_test text_buffer "$work/files"
lua_test drawing
lua_test custom_widgets
lua_test files "$work/files"

# The command line and its messages.
printf 'local w = fltk:Fl_Window(0,0,40,30)\nw:show()\nFl:run()\n' >"$work/window.lua"
printf 'print(arg[0], ...)\n' >"$work/args.lua"
printf 'local x = 1\nx = x .. {}\n' >"$work/runtime_error.lua"
printf 'local x = = 1\n' >"$work/syntax_error.lua"
printf 'error({})\n' >"$work/table_error.lua"
printf 'local x = 1\n' >"$work/no_window.lua"
expect usage 2 "$(printf 'usage: fluac-lua [--screenshot OUT.png | --tree] SCRIPT.lua [ARGS...]\n       fluac-lua [--layout-only] [--watch] [--screenshot OUT.png | --tree] FILE.fl [ARGS...]\n       fluac-lua --reference\nRuns a Lua script that builds an FLTK user interface (such as one written by fluac),\nor a FLUID file, translated in memory with its own Lua code.\nWith --screenshot, writes the first window the script shows as a PNG once it is\ndrawn, and exits instead of entering the event loop. With --tree, needs no display:\ndraws nothing, and Fl:run() prints the widget tree the script built.\n  --layout-only  run a FLUID file without its code (as when its code is not Lua)\n  --watch        keep running, and rebuild the windows each time the FLUID file\n                 is saved\nWith --reference, prints every class, method, function and constant of the binding.')" "$fluac_lua"
expect missing_script 1 "fluac-lua: nothing.lua: cannot open: No such file or directory" \
    "$fluac_lua" nothing.lua
expect runtime_error 1 "fluac-lua: runtime_error.lua:2: attempt to concatenate a table value" \
    "$fluac_lua" runtime_error.lua
expect syntax_error 1 "fluac-lua: syntax_error.lua:1: unexpected symbol near '='" \
    "$fluac_lua" syntax_error.lua
expect error_without_position 1 "fluac-lua: table_error.lua: (error object is a table value)" \
    "$fluac_lua" table_error.lua
expect arguments 0 "" "$fluac_lua" args.lua one two
if [ "$(cat "$work/out")" = "$(printf 'args.lua\tone\ttwo')" ]; then pass arguments_passed; else fail arguments_passed; fi
expect screenshot_without_window 1 \
    "fluac-lua: no_window.lua: no window was shown, so there is nothing to take a screenshot of" \
    "$fluac_lua" --screenshot shot.png no_window.lua
rm -f "$work/shot.png"
expect screenshot 0 "" "$fluac_lua" --screenshot shot.png window.lua
# A 40x30 RGB PNG: the width and height stand at bytes 17 to 24.
if [ "$(od -An -tx1 -j16 -N8 "$work/shot.png" | tr -d ' \n')" = 000000280000001e ]; then
    pass screenshot_size
else
    fail screenshot_size
fi

# The window in the screenshot is the first one shown, also when windows
# shown after it cover it.
printf 'local a = fltk:Fl_Window(0,0,60,40)\na:color(1)\na:show()\n' >"$work/covered.lua"
cp "$work/covered.lua" "$work/alone.lua"
printf 'local b = fltk:Fl_Window(0,0,60,40)\nb:color(2)\nb:show()\n' >>"$work/covered.lua"
expect screenshot_alone 0 "" "$fluac_lua" --screenshot alone.png alone.lua
expect screenshot_covered 0 "" "$fluac_lua" --screenshot covered.png covered.lua
if cmp -s "$work/alone.png" "$work/covered.png"; then pass screenshot_of_covered_window; else fail screenshot_of_covered_window; fi

# A group that no window holds is previewed in a window of its size, its
# children where they stand; a window that is never shown is shown then too.
box='b = fltk:Fl_Box(15,5,10,10)\nb:box(fltk.FL_FLAT_BOX)\nb:color(2)\n'
printf "g = fltk:Fl_Group(70,80,50,30)\ng:box(fltk.FL_FLAT_BOX)\ng:color(1)\n$box" >"$work/preview.lua"
printf 'Fl_Group:current(nil)\nw = fltk:Fl_Window(0,0,20,20)\nFl:run()\n' >>"$work/preview.lua"
printf "w = fltk:Fl_Double_Window(0,0,50,30)\ng = fltk:Fl_Group(0,0,50,30)\ng:box(fltk.FL_FLAT_BOX)\ng:color(1)\n$box" >"$work/framed.lua"
printf 'w:show()\n' >>"$work/framed.lua"
expect preview 0 "" "$fluac_lua" --screenshot preview.png preview.lua
expect framed 0 "" "$fluac_lua" --screenshot framed.png framed.lua
if cmp -s "$work/preview.png" "$work/framed.png"; then pass preview_as_framed; else fail preview_as_framed; fi
printf 'w = fltk:Fl_Window(0,0,40,30)\nFl:run()\n' >"$work/unshown.lua"
expect preview_of_window 0 "" "$fluac_lua" --screenshot unshown.png unshown.lua

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
