#!/usr/bin/env bash
# Compares two builds of fluac on many inputs, in the default, extended and
# layout-only modes: the script, the messages and the exit status must be the
# same byte for byte. Inputs: the golden cases, the real files, generated
# files (bench/gen_fl.cpp, tests/extended/gen_subset.lua), values long enough
# to fill the parse stack, and random variants of all of these.
#
# usage: bench/same_output.sh OLD_FLUAC NEW_FLUAC FLUAC_GEN [VARIANTS]
#   VARIANTS   random variants to make [2000]
#   REAL_FL    the real files' folder [../shared/real-fl]
#   KEEP       a folder to copy the inputs that differ to [none]
#   JOBS       comparisons run at once [2]
set -uo pipefail

old=$(realpath "$1") new=$(realpath "$2") gen=$(realpath "$3")
variants=${4:-2000}
root=$(cd "$(dirname "$0")/.." && pwd)
real=${REAL_FL:-$root/../shared/real-fl}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
mkdir "$dir/in"

cp "$root"/tests/cases/*.fl "$dir/in/"
[ -d "$real" ] && find "$real" -name '*.fl' | head -n 500 | while read -r f; do
    cp "$f" "$dir/in/real-$(echo "$f" | md5sum | cut -c1-8).fl"; done
for seed in 1 2 3; do
    for shape in widgets menus code; do "$gen" "$shape" $((seed * 20000)) "$seed" >"$dir/in/gen-$shape-$seed.fl"; done
done
for seed in $(seq 1 100); do lua5.4 "$root/tests/extended/gen_subset.lua" "$seed" >"$dir/in/subset-$seed.fl"; done
for seed in $(seq 1 40); do lua5.4 "$root/bench/mutate.lua" "$seed" >"$dir/in/long-$seed.fl"; done
RANDOM=1
bases=("$dir"/in/*.fl)
for ((i = 0; i < variants; i++)); do
    lua5.4 "$root/bench/mutate.lua" "$i" "${bases[RANDOM % ${#bases[@]}]}" >"$dir/in/variant-$i.fl"
done

# One input in every mode: prints a line per mode in which the builds differ.
compare() {
    local fl=$1 out=$dir/out-$BASHPID mode
    for mode in "" --extended --layout-only "--extended --layout-only"; do
        rm -f "$out.old" "$out.new"
        # shellcheck disable=SC2086
        "$old" $mode "$fl" "$out.old" 2>"$out.olderr" </dev/null; echo $? >>"$out.olderr"
        # shellcheck disable=SC2086
        "$new" $mode "$fl" "$out.new" 2>"$out.newerr" </dev/null; echo $? >>"$out.newerr"
        cmp -s "$out.old" "$out.new" && cmp -s "$out.olderr" "$out.newerr" && continue
        echo "differs: ${mode:-default} $(basename "$fl")"
        [ -z "${KEEP:-}" ] || { mkdir -p "$KEEP" && cp "$fl" "$KEEP/"; }
    done
}
export -f compare
export old new dir
inputs=$(find "$dir/in" -name '*.fl' | wc -l)
find "$dir/in" -name '*.fl' -print0 | xargs -0 -n 1 -P "${JOBS:-2}" bash -c 'compare "$1"' _ | tee "$dir/differ"
differ=$(wc -l <"$dir/differ")
echo "$inputs inputs, each translated in 4 modes by both builds: $differ translations differ"
[ "$differ" = 0 ]
