#!/bin/sh
# The benchmark's files must be valid input: for every shape, a small file
# translates completely and silently, the Lua it becomes compiles (when luac5.4
# is installed), and FLTK's designer compiles it too (when fluid is installed).
# A seed must always name the same file.
set -u
fluac=$1
gen=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail=0
say() { echo "FAIL: $*"; fail=1; }

for shape in widgets menus code; do
    fl="$dir/$shape.fl"
    "$gen" "$shape" 300000 7 >"$fl" || say "$shape: generator failed"
    "$gen" "$shape" 300000 7 | cmp -s - "$fl" || say "$shape: same seed, different file"
    "$gen" "$shape" 300000 8 | cmp -s - "$fl" && say "$shape: other seed, same file"
    [ "$(stat -c %s "$fl")" -ge 300000 ] || say "$shape: smaller than asked"

    "$fluac" "$fl" "$dir/$shape.lua" 2>"$dir/err" || say "$shape: fluac exit status $?"
    [ -s "$dir/err" ] && say "$shape: fluac wrote: $(head -c 200 "$dir/err")"
    grep -q -- '--unknown attribute' "$dir/$shape.lua" && say "$shape: unknown attributes"
    [ "$(tail -n 3 "$dir/$shape.lua")" = "$(printf '\n--end\nFl:run()')" ] || say "$shape: translation incomplete"
    if command -v luac5.4 >/dev/null; then
        luac5.4 -p "$dir/$shape.lua" 2>"$dir/err" || say "$shape: Lua does not compile: $(cat "$dir/err")"
    fi
    if command -v fluid >/dev/null; then
        mkdir "$dir/fluid-$shape"
        (cd "$dir/fluid-$shape" && fluid -c "$fl") >"$dir/err" 2>&1 || say "$shape: fluid -c failed: $(head -c 200 "$dir/err")"
        [ -s "$dir/fluid-$shape/$shape.cxx" ] && [ -s "$dir/fluid-$shape/$shape.h" ] || say "$shape: fluid wrote no C++"
    fi
done
exit $fail
