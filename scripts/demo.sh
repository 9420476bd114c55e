#!/bin/sh
# Translates each bundled example, shows the Lua it becomes, then runs that Lua
# with fluac-lua --tree (no display needed) and shows the widget tree it
# builds.
set -eu
fluac=$1
fluac_lua=$(dirname "$fluac")/src/runtime/fluac-lua
root=$(cd "$(dirname "$0")/.." && pwd)
out=${DEMO_DIR:-$root/build/demo}
mkdir -p "$out"
for fl in "$root"/examples/*.fl; do
    name=$(basename "$fl" .fl)
    echo "==== fluac examples/$name.fl $out/$name.lua"
    "$fluac" "$fl" "$out/$name.lua"
    cat "$out/$name.lua"
    echo
    if [ -x "$fluac_lua" ]; then
        echo "==== fluac-lua --tree $out/$name.lua"
        "$fluac_lua" --tree "$out/$name.lua"
    else
        echo "(fluac-lua is not built, so no widget tree)"
    fi
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
