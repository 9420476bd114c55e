#!/bin/sh
# Translates one FLUID file and checks the script: it must load in Lua 5.4
# (luac -p), run under fluac-lua --tree (the binding, without a display), and
# print the widget tree in NAME.tree beside NAME.fl. A case named in the list
# of scripts that are invalid Lua on purpose must instead fail at the step the
# list names. Where fluac-lua is not built (FLUAC_LUA is empty), the script is
# only loaded, and the test is skipped (77) after that.
# usage: check_case.sh FLUAC FLUAC_LUA LUAC NAME.fl [NOT_LUA_LIST]
set -u
fluac=$1 fluac_lua=$2 luac=$3 fl=$4 list=${5:-}
name=$(basename "$fl" .fl)
tree=${fl%.fl}.tree
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
script=$dir/$name.lua

# NAME.args beside NAME.fl holds the options the case is translated with.
args=""
[ -f "${fl%.fl}.args" ] && args=$(cat "${fl%.fl}.args")
# shellcheck disable=SC2086
"$fluac" $args "$fl" "$script" 2>/dev/null </dev/null
# Images named by the file are read from beside it.
sed -n 's/.*image {\([^}]*\)}.*/\1/p' "$fl" | while read -r img; do
    [ -f "$(dirname "$fl")/$img" ] && cp "$(dirname "$fl")/$img" "$dir/"
done

# The list: NAME, the step that fails (load or run), then the reason.
step="" reason=""
if [ -n "$list" ]; then
    line=$(grep -v '^#' "$list" | awk -v n="$name" '$1 == n')
    step=$(echo "$line" | awk '{print $2}')
    reason=$(echo "$line" | cut -d' ' -f3-)
fi

loads=1
(cd "$dir" && "$luac" -p -o /dev/null "$name.lua") 2>"$dir/luac.err" || loads=0
skip() {
    echo "skipped: fluac-lua is not built, so the script was only loaded"
    exit 77
}

case $step in
load)
    if [ $loads = 1 ]; then
        echo "$name is listed as invalid Lua ($reason), but luac loads it"
        exit 1
    fi
    echo "invalid Lua on purpose: $reason"
    cat "$dir/luac.err"
    exit 0 ;;
run)
    if [ $loads = 0 ]; then
        echo "$name is listed as failing when run ($reason), but it does not even load:"
        cat "$dir/luac.err"
        exit 1
    fi
    [ -n "$fluac_lua" ] || skip
    if (cd "$dir" && env -u DISPLAY "$fluac_lua" --tree "$name.lua") >/dev/null 2>"$dir/run.err"; then
        echo "$name is listed as failing when run ($reason), but it runs"
        exit 1
    fi
    echo "fails when run, on purpose: $reason"
    cat "$dir/run.err"
    exit 0 ;;
"") ;;
*)
    echo "$list: unknown step '$step' for $name (load or run)"
    exit 1 ;;
esac

if [ $loads = 0 ]; then
    echo "luac5.4 -p rejects the script:"
    cat "$dir/luac.err"
    exit 1
fi
[ -n "$fluac_lua" ] || skip
if ! (cd "$dir" && env -u DISPLAY "$fluac_lua" --tree "$name.lua") >"$dir/out" 2>"$dir/run.err" ||
    [ -s "$dir/run.err" ]; then
    echo "the script fails under fluac-lua --tree:"
    cat "$dir/run.err"
    exit 1
fi
if [ ! -f "$tree" ]; then
    echo "no $tree; the script printed:"
    cat "$dir/out"
    exit 1
fi
if ! cmp -s "$tree" "$dir/out"; then
    echo "the widget tree differs from $tree:"
    diff -u "$tree" "$dir/out" | head -n 80
    exit 1
fi
