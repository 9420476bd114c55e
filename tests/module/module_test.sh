#!/bin/sh
# The binding as the Lua module fltk, under Lua's own interpreter. Every
# example and golden case gives the same widget tree and the same screenshot
# under `lua5.4 -l fltk` (FLUAC_LUA_TREE, FLUAC_LUA_SCREENSHOT) as under
# fluac-lua; by_hand.lua requires the module and builds its window itself.
# Needs an X server (run_under_x.sh). With --luarocks, `luarocks make` builds
# and installs the module into a tree of its own instead (no X server).
# usage: module_test.sh FLUAC FLUAC_LUA LUA MODULE_DIR SOURCE_DIR WORKDIR
#        module_test.sh --luarocks LUA SOURCE_DIR WORKDIR
set -u
fail=0
failed() { echo "FAIL $*"; fail=1; }

# luarocks make, from a copy of the sources (it builds inside them), offline.
if [ "$1" = --luarocks ]; then
    lua=$2 source=$3 work=$4
    if ! command -v luarocks >/dev/null 2>&1; then
        echo "skipped: luarocks is not installed"
        exit 77
    fi
    rm -rf "$work" && mkdir -p "$work/source" || exit 1
    (cd "$source" && tar --exclude='./build*' --exclude=./.git -cf - .) | tar -C "$work/source" -xf -
    if (cd "$work/source" && CMAKE_BUILD_PARALLEL_LEVEL=2 luarocks --lua-version=5.4 \
        --tree="$work/rocks" make) >"$work/luarocks.log" 2>&1; then
        found=$(env -u LUA_CPATH "$lua" -e "package.cpath = '$work/rocks/lib/lua/5.4/?.so'
            local fltk = require 'fltk' print(fltk.FL_UP_BOX ~= nil)" 2>&1)
        [ "$found" = true ] || failed "the module luarocks installed does not load: $found"
    else
        failed "luarocks make:"
        tail -n 20 "$work/luarocks.log"
    fi
    exit $fail
fi

fluac=$1 fluac_lua=$2 lua=$3 module_dir=$4 source=$5 work=$6
[ -n "${XVFB_STARTED:-}" ] && : >"$XVFB_STARTED"
rm -rf "$work" && mkdir -p "$work" || exit 1
export LUA_CPATH="$module_dir/?.so"

# The corpus: what translates without an error.
compared=0
for fl in "$source"/examples/*.fl "$source"/examples/*/*.fl "$source"/tests/cases/*.fl; do
    base=${fl%.fl} name=$(basename "$fl" .fl)
    [ -e "$base.err" ] || [ -e "$base.status" ] && continue
    grep -q "^$name " "$source/tests/lua/invalid_on_purpose.txt" && continue
    dir=$work/$name
    mkdir -p "$dir"
    options=
    [ -f "$base.args" ] && options=$(cat "$base.args")
    # shellcheck disable=SC2086
    "$fluac" $options "$fl" "$dir/$name.lua" 2>/dev/null || { failed "$name: fluac"; continue; }
    sed -n 's/.*image {\([^}]*\)}.*/\1/p' "$fl" | while read -r img; do
        [ -f "$(dirname "$fl")/$img" ] && cp "$(dirname "$fl")/$img" "$dir/"
    done
    (
        cd "$dir" || exit 1
        # The same tree, or the same error (after the program's name).
        env -u DISPLAY "$fluac_lua" --tree "$name.lua" >host.tree 2>&1 ||
            sed -i '1s/^[^:]*: //;1q' host.tree
        env -u DISPLAY FLUAC_LUA_TREE=1 "$lua" -l fltk "$name.lua" >module.tree 2>&1 ||
            sed -i '1s/^[^:]*: //;1q' module.tree
        "$fluac_lua" --screenshot host.png "$name.lua" >/dev/null 2>&1
        FLUAC_LUA_SCREENSHOT=module.png "$lua" -l fltk "$name.lua" >/dev/null 2>module.err
    )
    cmp -s "$dir/host.tree" "$dir/module.tree" ||
        { failed "$name: the trees differ"; diff "$dir/host.tree" "$dir/module.tree" | head -n 10; }
    if [ ! -s "$dir/host.png" ]; then
        [ -s "$dir/module.png" ] && failed "$name: only the module took a screenshot"
    elif ! cmp -s "$dir/host.png" "$dir/module.png"; then
        failed "$name: the screenshots differ: $(head -n 3 "$dir/module.err")"
    fi
    compared=$((compared + 1))
done
echo "compared $compared scripts"
[ $compared -ge 20 ] || failed "too few scripts compared"

# A program of its own; the host's fltk.screenshot draws what the module's does.
(cd "$work" && "$lua" -l fltk "$source/tests/module/by_hand.lua" module.png) >"$work/by_hand.out" 2>&1 ||
    echo "status $?" >>"$work/by_hand.out"
[ "$(cat "$work/by_hand.out")" = done ] || { failed "by_hand.lua under $lua:"; cat "$work/by_hand.out"; }
(cd "$work" && "$fluac_lua" "$source/tests/module/by_hand.lua" host.png) >/dev/null 2>&1
[ -s "$work/module.png" ] && cmp -s "$work/module.png" "$work/host.png" ||
    failed "by_hand.lua: fltk.screenshot differs between the module and fluac-lua"

exit $fail
