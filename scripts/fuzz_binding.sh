#!/bin/sh
# Runs the FLTK binding's method fuzzer for a bounded time, without a display:
# first its sweep of every method of every class, then random sequences of
# calls. Any crash, leak, sanitizer report or exit fails the run.
# usage: scripts/fuzz_binding.sh FUZZER SECONDS [WORKDIR]
set -eu
fuzzer=$1
seconds=$2
root=$(cd "$(dirname "$0")/.." && pwd)
work=${3:-$root/build-fuzz/binding-run}
if [ ! -x "$fuzzer" ]; then
    echo "binding fuzzer skipped: fluac-lua (and so the fuzzer) is not built"
    exit 0
fi
mkdir -p "$work/corpus" "$work/artifacts"
# The trees that Fl:run() prints go to the closed standard output.
env -u DISPLAY "$fuzzer" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -close_fd_mask=1 \
    -artifact_prefix="$work/artifacts/" -print_final_stats=1 "$work/corpus" 2>"$work/log" ||
    { tail -n 60 "$work/log"; exit 1; }
grep -E '^binding sweep|^stat::number_of_executed_units|^Done' "$work/log" || true
