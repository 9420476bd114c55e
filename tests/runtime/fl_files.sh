#!/bin/sh
# fluac-lua FILE.fl: the file translated in process and run with its own Lua
# code, or its layout alone when that code is not Lua; errors named by the
# file's lines; --watch rebuilding the window as the file is saved. Needs an
# X server for --watch.
# usage: fl_files.sh FLUAC_LUA FLUAC SOURCE_DIR WORK_DIR [REAL_DIR]
set -u
fluac_lua=$1 fluac=$2 src=$3 work=$4 real=${5:-}
[ -n "${XVFB_STARTED:-}" ] && : >"$XVFB_STARTED"
mkdir -p "$work"
cd "$work" || exit 1
passed=0 failed=0
check() {  # NAME ACTUAL EXPECTED
    if [ "$2" = "$3" ]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        printf 'FAIL %s\n  got:      %s\n  expected: %s\n' "$1" "$2" "$3"
    fi
}

# ui.fl BODY TRIGGER TITLE: a window whose button's callback is BODY (on
# line 15) and a code block TRIGGER (on line 20) after it.
ui() {
    cat <<FL
# data file for the Fltk User Interface Designer (fluid)
version 1.0308
header_name {.h}
code_name {.cxx}
Function {make_ui()} {open
} {
  Fl_Window win {
    label {$3} open
    xywh {100 100 300 200} type Double visible
  } {
    Fl_Button btn {
      label Press
      callback {function(w)
  local n = 1
  $1
end}
      xywh {10 10 100 30}
    }
  }
  code {$2} {}
}
FL
}

# The same tree as the script fluac writes, with its Lua code or without;
# for the real files, without when fluac-lua says (in one line) that their
# code is not Lua. Functions show the file's lines, not the script's.
same_tree() {  # FILE.fl [--layout-only]
    "$fluac_lua" --tree $2 "$1" >direct.tree 2>direct.err
    mode=$2 said=$(cat direct.err)
    case "$said" in *"so only its layout runs") mode=--layout-only said=$(sed 1d direct.err) ;; esac
    "$fluac" -x $mode "$1" two_steps.lua 2>/dev/null </dev/null
    "$fluac_lua" --tree two_steps.lua >expected.tree 2>&1
    lines='s/<function, line [0-9]*>/<function>/g'
    check "tree of $(basename "$1") $mode" "$said$(sed "$lines" direct.tree)" "$(sed "$lines" expected.tree)"
}
same_tree "$src/examples/settings_dialog.fl" ""
check function_lines "$(grep -o 'name_input .*callback=<function, line [0-9]*>' direct.tree | grep -o '[0-9]*>$')" "18>"
same_tree "$src/examples/settings_dialog.fl" --layout-only
if [ -n "$real" ] && [ -d "$real" ]; then
    for fl in "$real"/*.fl; do same_tree "$fl" ""; done
fi

# NAME BODY TRIGGER STATUS MESSAGE: one run's status and standard error. The
# path is longer than the chunk names Lua writes in full.
case=$(printf '%060d' 0)/case.fl
mkdir -p "$(dirname "$case")"
run_case() {
    ui "$2" "$3" Case >"$case"
    "$fluac_lua" --tree "$case" >case.tree 2>case.err
    check "$1" "$? $(cat case.err)" "$4 fluac-lua: $case:$5"
}
run_case callback_error 'error("boom")' 'btn:do_callback()' 1 "15: boom"
run_case binding_error 'w:label(nil, 1, 2, 3)' 'btn:do_callback()' 1 \
    "15: bad argument #2 to 'label' (no more than 2 arguments expected, got 5)"
run_case code_error 'n = n + 1' 'n = nil .. 1' 1 "20: attempt to concatenate a nil value"
run_case cpp_code 'n++;' 'btn->hide();' 0 \
    "15: syntax error near '+'; the file's code is not Lua, so only its layout runs"
"$fluac" -x --layout-only "$case" layout.lua && "$fluac_lua" --tree layout.lua >layout.tree
check cpp_code_tree "$(cat case.tree)" "$(cat layout.tree)"
ui 'n = n + 1' '' Case | sed 's/xywh {10 10 100 30}/xywh {10 10 {/' >broken.fl
"$fluac_lua" --tree broken.fl >/dev/null 2>case.err
check translation_error "$? $(cat case.err)" "1 fluac-lua: broken.fl:17: syntax error; the Lua script is incomplete"

# --watch: each save rebuilds the window; a file that does not translate
# keeps the last good one.
shown() { xdotool search --name "^$1\$" >/dev/null 2>&1; }
wait_until() {  # COMMAND...: true once it succeeds, within 10 seconds
    i=0
    until "$@"; do
        i=$((i + 1))
        [ $i -gt 50 ] && return 1
        sleep 0.2
    done
}
ui 'n = n + 1' '' 'First title' >watched.fl
timeout 60 "$fluac_lua" --watch watched.fl 2>watch.err &
watcher=$!
wait_until shown 'First title'
check watch_first "$(shown 'First title' && echo shown)" shown
ui 'n = n + 1' '' 'Second title' >new.fl && mv new.fl watched.fl  # as editors save
wait_until shown 'Second title'
check watch_renamed "$(shown 'Second title' && echo yes) $(shown 'First title' || echo gone)" "yes gone"
sed 's/xywh {10 10 100 30}/xywh {10 10 {/' watched.fl >new.fl && cat new.fl >watched.fl
wait_until test -s watch.err
check watch_error "$(cat watch.err) $(shown 'Second title' && echo kept)" \
    "fluac-lua: watched.fl:17: syntax error; the Lua script is incomplete kept"
ui 'n++;' '' 'Third title' >watched.fl
wait_until shown 'Third title'
check watch_fixed "$(shown 'Third title' && echo shown) $(sed 1d watch.err)" \
    "shown fluac-lua: watched.fl:15: syntax error near '+'; the file's code is not Lua, so only its layout runs"
xdotool search --name '^Third title$' windowclose
wait "$watcher"
check watch_closed "$?" 0

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
