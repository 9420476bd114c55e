#!/bin/sh
# Runs the translation fuzzer for a bounded time, seeded with every test
# input. Any crash, leak or sanitizer report fails the run.
# usage: scripts/fuzz.sh FUZZER SECONDS [WORKDIR]
set -eu
fuzzer=$1
seconds=$2
root=$(cd "$(dirname "$0")/.." && pwd)
work=${3:-$root/build-fuzz/run}
mkdir -p "$work/corpus" "$work/seeds" "$work/artifacts"

real=${FLUAC_REAL_FL_DIR:-$root/../shared/real-fl}
for f in "$root"/tests/cases/*.fl "$root"/examples/*.fl "$real"/*.fl; do
    [ -f "$f" ] && cp "$f" "$work/seeds/$(basename "$f")"
done

"$fuzzer" -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
    -dict="$root/fuzz/fluid.dict" -artifact_prefix="$work/artifacts/" -print_final_stats=1 \
    "$work/corpus" "$work/seeds" 2>"$work/log" || { tail -n 60 "$work/log"; exit 1; }
grep -E '^stat::number_of_executed_units|^Done' "$work/log" || true
