#!/bin/sh
# The binding as the Lua module fltk, under Lua's own interpreter. Each
# example and complete golden case gives the tree (or the error) and the
# screenshot that fluac-lua gives; by_hand.lua builds its own window. Needs
# an X server. With --luarocks: `luarocks make` of a copy of the sources.
# usage: module_test.sh FLUAC FLUAC_LUA LUA MODULE_DIR SOURCE_DIR WORKDIR
#        module_test.sh --luarocks LUA SOURCE_DIR WORKDIR
set -u
fail=0
failed() { echo "FAIL $*"; fail=1; }

if [ "$1" = --luarocks ]; then
    lua=$2 source=$3 work=$4
    command -v luarocks >/dev/null 2>&1 || { echo "skipped: luarocks is not installed"; exit 77; }
    rm -rf "$work" && mkdir -p "$work/source" || exit 1
    (cd "$source" && tar --exclude='./build*' --exclude=./.git -cf - .) | tar -C "$work/source" -xf -
    (cd "$work/source" && CMAKE_BUILD_PARALLEL_LEVEL=2 luarocks --lua-version=5.4 --tree="$work/rocks" make) \
        >"$work/log" 2>&1 || { tail -n 20 "$work/log"; exit 1; }
    LUA_CPATH="$work/rocks/lib/lua/5.4/?.so" "$lua" -e 'assert(require("fltk").FL_UP_BOX)'
    exit
fi

fluac=$1 fluac_lua=$2 lua=$3 work=$6 source=$5
export LUA_CPATH="$4/?.so"
[ -n "${XVFB_STARTED:-}" ] && : >"$XVFB_STARTED"
rm -rf "$work" && mkdir -p "$work" || exit 1
for fl in "$source"/examples/*.fl "$source"/examples/*/*.fl "$source"/tests/cases/*.fl; do
    base=${fl%.fl} name=$(basename "$fl" .fl) dir=$work/$(basename "$fl" .fl)
    [ -e "$base.err" ] || [ -e "$base.status" ] && continue
    grep -q "^$name " "$source/tests/lua/invalid_on_purpose.txt" && continue
    mkdir -p "$dir" && cp "$(dirname "$fl")"/*.png "$dir/" 2>/dev/null
    "$fluac" $(cat "$base.args" 2>/dev/null) "$fl" "$dir/$name.lua" 2>/dev/null || failed "$name: fluac"
    (
        cd "$dir" || exit 1
        # An error's message counts from after the program's name.
        env -u DISPLAY "$fluac_lua" --tree "$name.lua" >host.tree 2>&1 || sed -i '1s/^[^:]*: //;1q' host.tree
        env -u DISPLAY FLUAC_LUA_TREE=1 "$lua" -l fltk "$name.lua" >lua.tree 2>&1 ||
            sed -i '1s/^[^:]*: //;1q' lua.tree
        "$fluac_lua" --screenshot host.png "$name.lua" >/dev/null 2>&1
        FLUAC_LUA_SCREENSHOT=lua.png "$lua" -l fltk "$name.lua" >/dev/null 2>lua.err
    )
    cmp -s "$dir/host.tree" "$dir/lua.tree" || { failed "$name: trees"; diff "$dir/host.tree" "$dir/lua.tree" | head; }
    # The same screenshot, or none on both sides.
    [ -s "$dir/host.png" ] || [ ! -s "$dir/lua.png" ] || failed "$name: only lua5.4 took a screenshot"
    [ ! -s "$dir/host.png" ] || cmp -s "$dir/host.png" "$dir/lua.png" ||
        failed "$name: screenshots: $(head -n 3 "$dir/lua.err")"
done
[ "$(ls "$work" | wc -l)" -ge 20 ] || failed "too few scripts"

# fltk.screenshot draws the same under both.
cd "$work" || exit 1
out=$(timeout 60 "$lua" -l fltk "$source/tests/module/by_hand.lua" lua.png 2>&1) || out="$out (status $?)"
[ "$out" = done ] || failed "by_hand.lua: $out"
timeout 60 "$fluac_lua" "$source/tests/module/by_hand.lua" host.png >/dev/null 2>&1
cmp -s lua.png host.png || failed "by_hand.lua: the screenshots differ"
exit $fail
