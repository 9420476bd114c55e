#!/usr/bin/env bash
# Times fluac against the floor of copying the same bytes (cat FILE > OUT) and
# against FLTK's designer compiling the same file to C++ (fluid -c), on large
# generated FLUID files, and prints medians, throughput, ratios and peak
# resident memory.
#
# usage: bench/run.sh FLUAC FLUAC_GEN
# environment (defaults in brackets):
#   BENCH_DIR     where the files are generated and written [build/bench-files]
#   BENCH_FILES   SHAPE:MB pairs; shapes as in bench/gen_fl.cpp, MB = 10^6 bytes
#                 [widgets:10 menus:10 code:10 widgets:100 menus:100]
#   BENCH_RUNS    timed runs per program and file [5 below 100 MB, 3 from there]
#   BENCH_SEED    generator seed [1]
#   BENCH_KEEP    when set, the generated files are kept (for profiling)
#   BENCH_BASE    another fluac (an earlier build) to time beside this one; its
#                 output must be the same byte for byte
#
# The code-heavy shape is left out at 100 MB: fluid -c takes minutes on it
# (0.4 s at 10 MB, 7 s at 40 MB and over 2 minutes at 100 MB here), which
# would say more about that than about fluac.
set -euo pipefail

fluac=$(realpath "$1")
gen=$(realpath "$2")
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${BENCH_DIR:-$root/build/bench-files}
files=${BENCH_FILES:-widgets:10 menus:10 code:10 widgets:100 menus:100}
seed=${BENCH_SEED:-1}
base=${BENCH_BASE:+$(realpath "$BENCH_BASE")}

command -v fluid >/dev/null && [ -x /usr/bin/time ] || sh "$root/scripts/install-deps.sh" fluid time
mkdir -p "$dir"
dir=$(realpath "$dir")

die() { echo "bench: $*" >&2; exit 1; }

# Seconds of wall time of one run of the command, to the millisecond.
wall() {
    local TIMEFORMAT=%3R
    { time "$@" >/dev/null 2>&1; } 2>&1
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Peak resident set size of one run, in KiB.
peak_rss() {
    /usr/bin/time -v "$@" 2>&1 >/dev/null | awk -F': ' '/Maximum resident set size/ { print $2 }'
}

run_fluac() { "$fluac" "$1" "$dir/out.lua"; }
run_base() { "$base" "$1" "$dir/out.base.lua"; }
run_cat() { cat "$1" >"$dir/out.cat"; }
run_fluid() { (cd "$dir/fluid" && exec fluid -c "$1"); }

# Both translators must take the whole file: fluac silently and completely,
# fluid with status 0 and both of its outputs.
check() {
    local fl=$1 name
    name=$(basename "$fl" .fl)
    "$fluac" "$fl" "$dir/out.lua" 2>"$dir/fluac.err" || die "fluac failed on $fl"
    [ -s "$dir/fluac.err" ] && die "fluac wrote to stderr on $fl: $(head -c 300 "$dir/fluac.err")"
    [ "$(tail -c 9 "$dir/out.lua")" = "Fl:run()" ] || die "fluac output of $fl does not end in Fl:run()"
    grep -q -- '--unknown attribute' "$dir/out.lua" && die "fluac found unknown attributes in $fl"
    if [ -n "$base" ]; then
        "$base" "$fl" "$dir/out.base.lua" 2>/dev/null || die "the base fluac failed on $fl"
        cmp -s "$dir/out.lua" "$dir/out.base.lua" || die "fluac and the base fluac differ on $fl"
    fi
    rm -rf "$dir/fluid" && mkdir "$dir/fluid"
    (cd "$dir/fluid" && fluid -c "$fl") >"$dir/fluid.log" 2>&1 || die "fluid -c failed on $fl: $(head -c 300 "$dir/fluid.log")"
    [ -s "$dir/fluid/$name.cxx" ] && [ -s "$dir/fluid/$name.h" ] || die "fluid -c wrote no $name.cxx/.h"
    return 0
}

programs="fluac${base:+ base} cat fluid"
printf '%-8s %9s  %-9s %9s %9s %11s\n' shape size program "median s" "MB/s" "peak RSS"
for file in $files; do
    shape=${file%:*} size=${file#*:}
    runs=${BENCH_RUNS:-$([ "$size" -lt 100 ] && echo 5 || echo 3)}
    fl="$dir/$shape-$size.fl"
    "$gen" "$shape" "$((size * 1000000))" "$seed" >"$fl"
    bytes=$(stat -c %s "$fl")
    check "$fl"

    declare -A times=()
    for ((i = 0; i < runs; i++)); do   # interleaved, so that noise hits all three alike
        for p in $programs; do times[$p]+="$(wall "run_$p" "$fl") "; done
    done
    declare -A med=()
    col=$shape
    mb=$(awk -v b="$bytes" 'BEGIN { printf "%.1f MB", b / 1e6 }')
    for p in $programs; do
        med[$p]=$(printf '%s\n' ${times[$p]} | median)
        case $p in
            fluac) rss=$(peak_rss "$fluac" "$fl" "$dir/out.lua"); label=fluac ;;
            base) rss=$(peak_rss "$base" "$fl" "$dir/out.base.lua"); label="base" ;;
            cat) rss=$(peak_rss sh -c 'exec cat "$1" >"$2"' sh "$fl" "$dir/out.cat"); label="cat >" ;;
            fluid) rss=$(cd "$dir/fluid" && peak_rss fluid -c "$fl"); label="fluid -c" ;;
        esac
        awk -v shape="$col" -v mb="$mb" -v p="$label" -v t="${med[$p]}" -v b="$bytes" -v rss="$rss" 'BEGIN {
            printf "%-8s %9s  %-9s %9.3f %9.1f %7.2f MiB\n", shape, mb, p, t, (t > 0 ? b / 1e6 / t : 0), rss / 1024 }'
        col="" mb=""
    done
    awk -v fl="${med[fluac]}" -v c="${med[cat]}" -v fd="${med[fluid]}" -v b="${med[base]:-}" 'BEGIN {
        printf "%30s fluac: %.1fx faster than fluid -c, %.1fx the time of cat", "", (fl > 0 ? fd / fl : 0), (c > 0 ? fl / c : 0)
        if (b != "") printf ", %+.1f%% against the base", (b > 0 ? (fl / b - 1) * 100 : 0)
        printf "\n" }'
    unset times med
    [ -n "${BENCH_KEEP:-}" ] || rm -f "$fl"
    rm -f "$dir/out.lua" "$dir/out.base.lua" "$dir/out.cat" && rm -rf "$dir/fluid"
done
