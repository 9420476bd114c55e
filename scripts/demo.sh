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

# Screenshots of the examples, from fluac-lua and from FLUID's own C++ build,
# where fluac-lua and the comparison were built.
conf=$(dirname "$fluac")/tests/render/render.conf
if [ -f "$conf" ]; then
    echo "==== screenshots: NAME.lua.png from fluac-lua, NAME.fluid.png from FLUID's C++"
    sh "$root/tests/run_under_x.sh" 190 \
        sh "$root/tests/render/compare.sh" --demo "$conf" "$out" "$root"/examples/*.fl ||
        echo "(no screenshots were taken)"
else
    echo "(fluac-lua or FLUID is missing, so no screenshots)"
fi
