#!/bin/sh
# Screenshots of the real FLUID files of other projects: for each file whose
# render-only copy FLUID compiles, and in which a top-level function without
# parameters returns a window (the first such function is taken), that window from FLUID's C++ build and from
# fluac-lua running the file's `fluac --extended --layout-only` script,
# compared pixel by pixel. Needs an X server (the test runs it under
# xvfb-run); skipped (77) where the folder of real files is absent.
#
# real_files.sh CONFIG WORKDIR EXPECTED REAL_DIR [MIN_PERCENT]
#   EXPECTED lists, as "NAME: reason", each file that is not comparable
#   (the reason then starts with "not comparable:") and each comparable file
#   whose screenshots differ. Every other file must render identically; a
#   listed file that renders identically, or whose comparability changed,
#   fails too. At least MIN_PERCENT (80) of the comparable files must be
#   identical.
set -u
config=$1 work=$2 expected=$3 real=$4 min_percent=${5:-80}
[ -n "${XVFB_STARTED:-}" ] && : >"$XVFB_STARTED"
if [ ! -d "$real" ]; then
    echo "skipped: there is no folder of real files at $real"
    exit 77
fi
real=$(cd "$real" && pwd)
. "$config"
. "$(dirname "$0")/fluid_side.sh"
mkdir -p "$work"

# The first top-level function of NAME.fl that takes no parameters and, as
# FLUID compiled it into NAME.cxx, returns a window.
window_function() {
    for f in $(sed -n 's/^Function {\([A-Za-z_][A-Za-z_0-9]*\)(\(void\)\{0,1\})}.*/\1/p' "$1.fl"); do
        if grep -Eq "^(static )?Fl_[A-Za-z_]*Window ?\* ?$f\((void)?\) \{" "$1.cxx"; then
            echo "$f"
            return
        fi
    done
}

# The shim that calls it; a main() of the file (FLUID's translation of an
# unnamed function) must not replace the host's.
write_shim() {
    cat >shim.cpp <<SHIM
#define main fluid_file_main
#include "$1.cxx"
#undef main
Fl_Widget* fluac_render_make() { return $2(); }
SHIM
}

# Renders one file in folder $2. Sets outcome to "identical", to a
# difference, or to "not comparable: REASON".
render() {
    fl=$1 dir=$2
    name=$(basename "$fl" .fl)
    rm -rf "$dir" && mkdir -p "$dir"
    "$LUA" "$RENDER_ONLY" "$fl" "$dir/$name.fl" || { outcome="the render-only copy failed"; return; }
    cd "$dir" || return
    if ! run_fluid "$name"; then
        outcome="not comparable: fluid -c rejects the render-only copy ($(grep -v '^$' log | tail -n 1))"
        cd - >/dev/null; return
    fi
    func=$(window_function "$name")
    if [ -z "$func" ]; then
        outcome="not comparable: no top-level function without parameters returns a window"
        cd - >/dev/null; return
    fi
    write_shim "$name" "$func"
    if ! build_host "$name" "real-fl/$name"; then
        outcome="FLUID's C++ does not compile: $(grep -m 1 'error' log)"
        cd - >/dev/null; return
    fi
    if ! timeout 60 ./host fluid.png >>log 2>&1; then
        outcome="the C++ side fails: $(tail -n 1 log)"
        cd - >/dev/null; return
    fi
    "$FLUAC" --extended --layout-only "$fl" "$name.lua" 2>>log </dev/null
    # fluac-lua writes the first window the script shows: the function's
    # own, unless the script shows another one before it.
    before=$(awk -v f="--function $func(" '
        index($0, f) == 1 { print n + 0; exit }
        /^[A-Za-z_][A-Za-z_0-9]*:show\(\)$/ { n++ }' "$name.lua")
    if [ "${before:-0}" != 0 ]; then
        outcome="the script shows another window before the one $func() returns"
    elif ! timeout 60 "$FLUAC_LUA" --screenshot lua.png "$name.lua" >lua.log 2>&1; then
        outcome="fluac-lua fails: $(tail -n 1 lua.log)"
    elif "$PNG_DIFF" lua.png fluid.png >diff 2>&1; then
        outcome=identical
    else
        outcome=$(cat diff)
    fi
    cd - >/dev/null
}

comparable=0 identical=0 listed=0 failed=0 files=0
for fl in "$real"/*.fl; do
    name=$(basename "$fl" .fl)
    files=$((files + 1))
    render "$fl" "$work/$name"
    reason=$(grep -v "^#" "$expected" | sed -n "s|^$name: ||p")
    case $outcome in
    "not comparable: "*)
        case $reason in
        "not comparable: "*) echo "ok   $name: $outcome" ;;
        *) echo "FAIL $name: $outcome"; echo "       (listed as: ${reason:-nothing})"
           failed=$((failed + 1)) ;;
        esac
        continue ;;
    esac
    comparable=$((comparable + 1))
    if [ "$outcome" = identical ]; then
        identical=$((identical + 1))
        if [ -n "$reason" ]; then
            echo "FAIL $name: identical, but listed ($reason)"
            failed=$((failed + 1))
        else
            echo "ok   $name: identical"
        fi
    elif [ -n "$reason" ] && [ "${reason#not comparable: }" = "$reason" ]; then
        listed=$((listed + 1))
        echo "ok   $name: differs as listed: $reason"
        echo "       ($outcome)"
    else
        echo "FAIL $name: $outcome"
        [ -n "$reason" ] && echo "       (listed as: $reason)"
        echo "       see $work/$name/"
        failed=$((failed + 1))
    fi
done
# Every listed file exists.
for listed_name in $(grep -v "^#" "$expected" | sed -n 's/^\([^:]*\): .*/\1/p'); do
    if [ ! -f "$real/$listed_name.fl" ]; then
        echo "FAIL $listed_name is listed, but there is no $real/$listed_name.fl"
        failed=$((failed + 1))
    fi
done
echo "$files real files, $comparable comparable: $identical identical, $listed differing as listed, $failed failed"
if [ $((identical * 100)) -lt $((comparable * min_percent)) ]; then
    echo "FAIL fewer than $min_percent % of the comparable files render identically"
    failed=$((failed + 1))
fi
[ "$failed" = 0 ]
