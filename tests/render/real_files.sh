#!/bin/sh
# Screenshots of every window in the real FLUID files of other projects.
# Each window, at any depth (in a function, a class, a code block, another
# window) and each widget_class, is cut out into a file of its own (see
# cut_windows.lua); FLUID compiles that file and a host shows the window,
# fluac-lua runs the file's `fluac --extended --layout-only` script, and the
# two screenshots are compared pixel by pixel. Needs an X server (the test
# runs it under xvfb-run); skipped (77) where the folder of real files is
# absent.
#
# real_files.sh CONFIG WORKDIR EXPECTED REAL_DIR [MIN_PERCENT]
#   EXPECTED lists, as "NAME#K: reason" (window K of NAME.fl, counted from 1
#   in the order of the file), each window that is not comparable (the
#   reason then starts with "not comparable:") and each comparable window
#   whose screenshots differ. Every other window must be drawn identically;
#   a listed window that is drawn identically, or whose comparability
#   changed, fails too. At least MIN_PERCENT (98) of the comparable windows
#   must be identical.
set -u
config=$1 work=$2 expected=$3 real=$4 min_percent=${5:-98}
[ -n "${XVFB_STARTED:-}" ] && : >"$XVFB_STARTED"
if [ ! -d "$real" ]; then
    echo "skipped: there is no folder of real files at $real"
    exit 77
fi
real=$(cd "$real" && pwd)
. "$config"
. "$(dirname "$0")/fluid_side.sh"
mkdir -p "$work"

# Renders window K of the cut in folder $1 (its line of the cut's list in
# $2). Sets outcome to "identical", to a difference, or to "not
# comparable: REASON".
render() {
    dir=$1
    set -- $2
    k=$1 kind=$2 class=$3 width=$4 height=$5
    cd "$dir/$k" || return
    if ! run_fluid "$k"; then
        outcome="not comparable: fluid -c rejects the file ($(grep -v '^$' log | tail -n 1))"
        cd - >/dev/null; return
    fi
    if [ "$kind" = function ]; then
        write_make_shim "$k" "return fluac_window();"
    else
        write_make_shim "$k" "$(class_maker "$kind" "$class" "$width" "$height")"
    fi
    if ! build_host "$k" "real-fl/$name/$k"; then
        outcome="not comparable: FLUID's C++ does not compile: $(grep -m 1 'error' log)"
        cd - >/dev/null; return
    fi
    if ! timeout 60 ./host fluid.png >>log 2>&1; then
        outcome="not comparable: FLUID's C++ fails: $(tail -n 1 log)"
        cd - >/dev/null; return
    fi
    "$FLUAC" --extended --layout-only "$k.fl" "$k.lua" 2>>log </dev/null
    if ! timeout 60 "$FLUAC_LUA" --screenshot lua.png "$k.lua" >lua.log 2>&1; then
        outcome="fluac-lua fails: $(tail -n 1 lua.log)"
    elif "$PNG_DIFF" lua.png fluid.png >diff 2>&1; then
        outcome=identical
    else
        outcome=$(cat diff)
    fi
    cd - >/dev/null
}

windows=0 comparable=0 identical=0 listed=0 failed=0
for fl in "$real"/*.fl; do
    name=$(basename "$fl" .fl)
    rm -rf "${work:?}/$name" && mkdir -p "$work/$name"
    lua_out=$("$LUA" "$CUT_WINDOWS" "$fl" "$work/$name" 2>&1) || {
        echo "FAIL $name: the windows could not be cut out: $lua_out"; failed=$((failed + 1)); continue; }
    echo "$lua_out" | while read -r line; do
        [ -n "$line" ] || continue
        k=${line%%"	"*}
        mkdir -p "$work/$name/$k" && mv "$work/$name/$k.fl" "$work/$name/$k/"
        # Images are read from beside the file, on both sides.
        grep -o 'image {[^}]*}' "$work/$name/$k/$k.fl" | sed 's/^image {\(.*\)}$/\1/' | while read -r img; do
            mkdir -p "$work/$name/$k/$(dirname "$img")" && cp "$real/$img" "$work/$name/$k/$img"
        done
    done
    while read -r line; do
        [ -n "$line" ] || continue
        windows=$((windows + 1))
        render "$work/$name" "$line"
        set -- $line
        id="$name#$1"
        what="$id ($(sed -n 's/^ *\(Fl_[A-Za-z_]*Window\|widget_class\) \([^ ]*\) .*/\2/p' "$work/$name/$1/$1.fl" | head -n 1))"
        reason=$(grep -v "^#" "$expected" | sed -n "s|^$id: ||p")
        case $outcome in
        "not comparable: "*)
            case $reason in
            "not comparable: "*) echo "ok   $what: $outcome" ;;
            *) echo "FAIL $what: $outcome"; echo "       (listed as: ${reason:-nothing})"
               failed=$((failed + 1)) ;;
            esac
            continue ;;
        esac
        comparable=$((comparable + 1))
        if [ "$outcome" = identical ]; then
            identical=$((identical + 1))
            if [ -n "$reason" ]; then
                echo "FAIL $what: identical, but listed ($reason)"
                failed=$((failed + 1))
            else
                echo "ok   $what: identical"
            fi
        elif [ -n "$reason" ] && [ "${reason#not comparable: }" = "$reason" ]; then
            listed=$((listed + 1))
            echo "ok   $what: differs as listed: $reason"
            echo "       ($outcome)"
        else
            echo "FAIL $what: $outcome"
            [ -n "$reason" ] && echo "       (listed as: $reason)"
            echo "       see $work/$name/$1/"
            failed=$((failed + 1))
        fi
    done <<EOF
$lua_out
EOF
done
# Every listed window exists.
for id in $(grep -v "^#" "$expected" | sed -n 's/^\([^:]*\): .*/\1/p'); do
    if [ ! -f "$work/${id%#*}/${id#*#}/${id#*#}.fl" ]; then
        echo "FAIL $id is listed, but there is no such window"
        failed=$((failed + 1))
    fi
done
echo "$windows windows, $comparable comparable: $identical identical, $listed differing as listed, $failed failed"
if [ $((identical * 100)) -lt $((comparable * min_percent)) ]; then
    echo "FAIL fewer than $min_percent % of the comparable windows are drawn identically"
    failed=$((failed + 1))
fi
[ "$failed" = 0 ]
