#!/usr/bin/env bash
# Runs every benchmark once, as briefly as each allows (one iteration where it sets no count of
# its own), under a time limit, so that a benchmark that hangs or fails is seen at once. The
# timings are not judged and not kept; each program's output lands in BUILD/bench-smoke/.
#
#     bench/smoke.sh [BUILD]        BENCH_SMOKE_LIMIT: seconds a program may take (600)
set -uo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
limit=${BENCH_SMOKE_LIMIT:-600}
logs="$build/bench-smoke"
mkdir -p "$logs"

failed=0
# Runs one benchmark program under the limit; its output goes to the log named.
run() {
    local name=$1
    local log="$logs/$name.log"
    shift
    timeout --kill-after=10 "$limit" "$@" >"$log" 2>&1
    local status=$?
    if [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; then
        echo "FAIL $name: did not finish within $limit s"
    elif [ "$status" -ne 0 ]; then
        echo "FAIL $name: exit code $status"
    elif grep -q "ERROR OCCURRED" "$log"; then
        echo "FAIL $name: a benchmark reported an error"
    else
        echo "ok   $name"
        return 0
    fi
    tail -n 20 "$log" | sed 's/^/     /'
    failed=1
}

found=0
for program in "$build"/bench/bench_*; do
    case "$program" in *.json) continue ;; esac
    [ -f "$program" ] && [ -x "$program" ] || continue
    found=1
    run "$(basename "$program")" "$program" --benchmark_min_time=0
done
if [ "$found" -eq 0 ]; then
    echo "FAIL no benchmark programs in $build/bench"
    exit 1
fi
run startup_bench bench/startup/startup_bench.py "$build" --runs 1
exit "$failed"
