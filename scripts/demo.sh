#!/bin/sh
# Translates each bundled example and shows the Lua it becomes.
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
done
