#!/bin/sh
# Translates each bundled example, shows the Lua it becomes, then runs that Lua
# with Lua 5.4 under the FLTK binding's stand-in and shows the widget tree it
# builds.
set -eu
fluac=$1
root=$(cd "$(dirname "$0")/.." && pwd)
out=${DEMO_DIR:-$root/build/demo}
mkdir -p "$out"
for fl in "$root"/examples/*.fl; do
    name=$(basename "$fl" .fl)
    echo "==== fluac examples/$name.fl $out/$name.lua"
    "$fluac" "$fl" "$out/$name.lua"
    cat "$out/$name.lua"
    echo
    echo "==== lua5.4 tests/lua/run.lua $out/$name.lua"
    lua5.4 "$root/tests/lua/run.lua" "$out/$name.lua"
    echo
done
