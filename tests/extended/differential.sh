#!/bin/sh
# Files in the translated subset come out of the extended mode exactly as out
# of the default mode: every golden case that the default mode translates
# completely, and many generated ones. The differences allowed, each left out
# of the comparison:
# - the words that the extended mode reads as keywords, listed in fluac(1);
#   the cases and the generator avoid them but for hotspot, whose line may
#   differ;
# - menu bodies (from menudir0="" to the end of the menu bar): the extended
#   mode adds each submenu as an entry of its own, makes named entries
#   variables and applies an entry's attributes to it after its add, so
#   that menus look as the designer's C++ makes them.
# - words that only C++ needs (private, local, C, ...): the extended mode
#   reads them without an "unknown attribute" line;
# - box and label type words that the designer does not know: a comment in
#   the extended mode, which leaves the widget's own, as the designer does;
# - negative colours: the extended mode writes them as the RGB colours the
#   designer means (-256 is 0xffffff00);
# - "\{" and "\}" in a text value, and keywords inside one ("label {"): the
#   extended mode reads them as the designer does. The generator avoids
#   both.
# usage: differential.sh FLUAC LUA CASES_DIR COUNT
set -u
fluac=$1 lua=$2 cases=$3 count=$4
here=$(cd "$(dirname "$0")" && pwd)
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail=0 complete=0 compared=0

without_exceptions() {  # without_exceptions SCRIPT
    awk 'BEGIN { cpp = "--unknown attribute: (private|protected|public|local|global|static|C|compress_image|bind_image|bind_deimage|in_source|in_header|position_relative)$" }
         { $0 = pending $0; pending = "" }
         $0 ~ cpp { sub(cpp, ""); pending = $0; next }
         /hotspot/ || /color\((-|0x)/ { next }
         { while (match($0, /--[A-Za-z_0-9]*:(box|down_box|labeltype)\(fltk\.FL_/))
               $0 = substr($0, 1, RSTART - 1) substr($0, RSTART + 2) }
         $0 == "menudir0=\"\"" { menu = 1 }
         $0 == "Fl_Group:current(Fl_Group:current():parent())" { menu = 0 }
         !menu' "$1"
}

compare() {  # compare FILE.fl LABEL
    "$fluac" "$1" "$dir/default.lua" 2>"$dir/default.err" </dev/null
    compared=$((compared + 1))
    [ -s "$dir/default.err" ] && return  # the default mode stops early: nothing to hold it to
    complete=$((complete + 1))
    "$fluac" --extended "$1" "$dir/extended.lua" 2>"$dir/extended.err" </dev/null
    if [ -s "$dir/extended.err" ]; then
        echo "$2: the extended mode stops where the default mode does not:"; cat "$dir/extended.err"; fail=1
    fi
    without_exceptions "$dir/default.lua" >"$dir/d"; without_exceptions "$dir/extended.lua" >"$dir/x"
    if ! cmp -s "$dir/d" "$dir/x"; then
        echo "$2: the modes differ:"; diff "$dir/d" "$dir/x" | head -n 20; fail=1
    fi
}

for fl in "$cases"/*.fl; do
    [ -f "${fl%.fl}.args" ] && continue  # cases of the extended mode itself
    compare "$fl" "$(basename "$fl")"
done
seed=1
while [ "$seed" -le "$count" ]; do
    "$lua" "$here/gen_subset.lua" "$seed" >"$dir/gen.fl"
    compare "$dir/gen.fl" "generated file $seed"
    seed=$((seed + 1))
done
echo "$compared files, $complete translated completely by the default mode, compared"
# The generator writes the subset only; if it stops producing complete files
# the comparison says nothing.
[ "$complete" -ge "$count" ] || { echo "too few complete files"; fail=1; }
exit $fail
