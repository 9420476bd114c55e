#!/bin/sh
# The real files of other projects (FLUAC_REAL_FL_DIR) translate completely
# in the extended mode, and their layout-only scripts load in Lua and run
# under fluac-lua --tree (where fluac-lua is built: FLUAC_LUA is not empty).
# Skipped (77) where the folder is absent.
# usage: real_files.sh FLUAC FLUAC_LUA LUAC REAL_FL_DIR
set -u
fluac=$1 fluac_lua=$2 luac=$3 real=$4
[ -d "$real" ] || { echo "no $real: skipped"; exit 77; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail=0 files=0
for fl in "$real"/*.fl; do
    name=$(basename "$fl" .fl)
    files=$((files + 1))
    "$fluac" --extended "$fl" "$dir/$name.lua" 2>"$dir/err" </dev/null
    if [ -s "$dir/err" ] || [ "$(tail -n 1 "$dir/$name.lua")" != "Fl:run()" ]; then
        echo "$name: not translated completely:"; cat "$dir/err"; fail=1
    fi
    "$fluac" --extended --layout-only "$fl" "$dir/$name.lua" 2>"$dir/err" </dev/null
    [ -s "$dir/err" ] && { echo "$name, layout only:"; cat "$dir/err"; fail=1; }
    if ! (cd "$dir" && "$luac" -p -o /dev/null "$name.lua") 2>"$dir/err"; then
        echo "$name: the layout-only script does not load:"; cat "$dir/err"; fail=1; continue
    fi
    [ -n "$fluac_lua" ] || continue
    if ! (cd "$dir" && env -u DISPLAY "$fluac_lua" --tree "$name.lua") >/dev/null 2>"$dir/err"; then
        echo "$name: the layout-only script fails under fluac-lua --tree:"; cat "$dir/err"; fail=1
    fi
done
echo "$files real files"
exit $fail
