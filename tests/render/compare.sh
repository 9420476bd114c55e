#!/bin/sh
# Screenshots of the same FLUID file from both sides: translated by fluac and
# run by fluac-lua, and compiled by FLUID into C++ and run. Needs an X server
# (the test runs it under xvfb-run).
#
# compare.sh CONFIG WORKDIR EXPECTED FILE...
#   Compares every file. A pair passes when its pixels are identical, or when
#   EXPECTED lists it as differing; a listed pair that has become identical
#   fails too, so the list stays true.
# compare.sh --demo CONFIG OUTDIR FILE...
#   Writes OUTDIR/NAME.lua.png and OUTDIR/NAME.fluid.png and prints their paths.
set -u

demo=0
if [ "$1" = --demo ]; then demo=1; shift; fi
config=$1 work=$2
shift 2
expected=
if [ $demo = 0 ]; then expected=$1; shift; fi
. "$config"
mkdir -p "$work"
[ -n "${XVFB_STARTED:-}" ] && : >"$XVFB_STARTED"

# label of a file: its folder and name, e.g. examples/editor
label_of() {
    echo "$(basename "$(dirname "$1")")/$(basename "$1" .fl)"
}

. "$(dirname "$0")/fluid_side.sh"

# Writes the shim that calls the file's first function, or else makes its
# first widget class.
write_shim() {
    name=$1
    func=$(sed -n 's/^Function {\([A-Za-z_0-9]*\)(.*/\1/p' "$name.fl" | head -n 1)
    if [ -n "$func" ]; then
        write_make_shim "$name" "if constexpr (std::is_void_v<decltype($func())>) { $func(); return nullptr; }
    else return $func();"
        sed -i '1i #include <type_traits>' shim.cpp
        return
    fi
    mkdir -p cut
    # shellcheck disable=SC2046
    set -- $("$LUA" "$CUT_WINDOWS" "$name.fl" cut | head -n 1)
    case ${2:-} in
    window_class|group_class) write_make_shim "$name" "$(class_maker "$2" "$3" "$4" "$5")" ;;
    *) echo "no function or widget class in the file" >>log; return 1 ;;
    esac
}

# Renders one file into folder $2; sets outcome to "identical" or a reason.
render() {
    fl=$1 dir=$2 label=$3
    name=$(basename "$fl" .fl)
    rm -rf "$dir" && mkdir -p "$dir"
    src=$(cd "$(dirname "$fl")" && pwd)
    # A golden case's NAME.args holds the options it is translated with.
    options=
    [ -f "${fl%.fl}.args" ] && options=$(cat "${fl%.fl}.args")
    "$LUA" "$CUT_WINDOWS" --whole "$fl" "$dir/$name.fl" || { outcome="render-only copy failed"; return; }
    # Images named by the file are read from beside it, on both sides.
    sed -n 's/.*image {\([^}]*\)}.*/\1/p' "$fl" | while read -r img; do
        [ -f "$src/$img" ] && cp "$src/$img" "$dir/"
    done
    (
        cd "$dir" || exit 1
        # shellcheck disable=SC2086
        "$FLUAC" $options "$name.fl" "$name.lua" 2>>log
        "$FLUAC_LUA" --screenshot lua.png "$name.lua" >lua.log 2>&1 ||
            tail -n 1 lua.log >>failed
        if run_fluid "$name" && write_shim "$name" && build_host "$name" "$label"; then
            ./host fluid.png >>log 2>&1 || echo "fluid side: $(tail -n 1 log)" >>failed
        else
            echo "fluid side: $(grep -v '^$' log | tail -n 1)" >>failed
        fi
    )
    if [ -f "$dir/failed" ]; then
        outcome="no screenshot: $(cat "$dir/failed" | tr '\n' ' ')"
    elif "$PNG_DIFF" "$dir/lua.png" "$dir/fluid.png" >"$dir/diff" 2>&1; then
        outcome=identical
    else
        outcome=$(cat "$dir/diff")
    fi
}

if [ $demo = 1 ]; then
    for fl in "$@"; do
        name=$(basename "$fl" .fl)
        render "$fl" "$work/.render/$name" "$(label_of "$fl")"
        for side in lua fluid; do
            [ -f "$work/.render/$name/$side.png" ] &&
                cp "$work/.render/$name/$side.png" "$work/$name.$side.png" &&
                echo "$work/$name.$side.png"
        done
        echo "  $name: $outcome"
    done
    exit 0
fi

identical=0 listed=0 failed=0
for fl in "$@"; do
    label=$(label_of "$fl")
    render "$fl" "$work/$(echo "$label" | tr / _)" "$label"
    reason=$(grep -v "^#" "$expected" | sed -n "s|^$label: ||p")
    if [ "$outcome" = identical ]; then
        identical=$((identical + 1))
        if [ -n "$reason" ]; then
            echo "FAIL $label: identical, but listed as differing ($reason)"
            failed=$((failed + 1))
        else
            echo "ok   $label: identical"
        fi
    elif [ -n "$reason" ]; then
        listed=$((listed + 1))
        echo "ok   $label: differs as listed: $reason"
        echo "       ($outcome)"
    else
        echo "FAIL $label: $outcome"
        echo "       see $work/$(echo "$label" | tr / _)/"
        failed=$((failed + 1))
    fi
done
echo "$identical identical, $listed differing as listed, $failed failed"
if [ "$identical" -lt "${MIN_IDENTICAL:-15}" ]; then
    echo "FAIL fewer than ${MIN_IDENTICAL:-15} identical pairs"
    failed=$((failed + 1))
fi
[ "$failed" = 0 ]
