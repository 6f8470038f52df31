#!/usr/bin/env bash
# Large runs against a vantorix-sandbox process, no latency:
#  1. `vantorix-cli mine` from 减肥 --limit L (--fanout F --depth 5; F=12
#     holds 371,268 keywords, F=15 1,048,350): wall and CPU time, peak RSS,
#     keywords, queries;
#  2. CPU per query of the mining run once 1,000 and once 1,000,000 keywords
#     are seen (bench_mining_query_cpu), to show it stays flat;
#  3. with WINDOW_BUILD set, every list tool in the offscreen window on a list
#     of 1,000,000 keywords (bench_window_list_tools).
# Usage: bench/large_runs.sh [BUILD_DIR]   (a Release build with
# -DVANTORIX_BUILD_BENCH=ON; default build-release)
# Environment: FANOUT (15), LIMIT (1000000), CONCURRENCY (6), SKIP_MINE=1,
# SKIP_CPU=1.
set -euo pipefail

build=${1:-build-release}
fanout=${FANOUT:-15}
tmp=$(mktemp -d)
sandbox_pid=
trap '[[ -n $sandbox_pid ]] && kill $sandbox_pid 2>/dev/null; rm -rf "$tmp"' EXIT

# Starts the sandbox with the given options and sets $host.
start_sandbox() {
    "$build/src/sandbox/vantorix-sandbox" "$@" >"$tmp/sandbox.out" 2>/dev/null &
    sandbox_pid=$!
    until host=$(grep -o '127\.0\.0\.1:[0-9]*' "$tmp/sandbox.out" 2>/dev/null); do sleep 0.1; done
}

stop_sandbox() {
    kill "$sandbox_pid" 2>/dev/null || true
    wait "$sandbox_pid" 2>/dev/null || true
    sandbox_pid=
}

echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)"
if [[ ${SKIP_MINE:-0} != 1 ]]; then
    start_sandbox --fanout "$fanout" --depth 5 --log
    echo "sandbox --fanout $fanout --depth 5: $("$build/src/sandbox/vantorix-sandbox" \
        --count 减肥 --fanout "$fanout" --depth 5) keywords from 减肥"
    /usr/bin/time -f "%e %U %S %M" -o "$tmp/time" "$build/src/cli/vantorix-cli" mine 减肥 \
        --quiet --limit "${LIMIT:-1000000}" --concurrency "${CONCURRENCY:-6}" --search-host "$host" \
        --publisher-host "$host" >"$tmp/out"
    read -r wall user sys rss <"$tmp/time"
    echo "mine: $(wc -l <"$tmp/out") lines ($(sort -u "$tmp/out" | wc -l) distinct keywords)," \
        "$(grep -c '^/s?' "$tmp/sandbox.out") queries in $wall s, CPU $user+$sys s," \
        "peak RSS $((rss / 1024)) MiB"
    ps -o cputime= -p "$sandbox_pid" | xargs echo "sandbox CPU time:"
    stop_sandbox
fi
if [[ ${SKIP_CPU:-0} != 1 ]]; then
    start_sandbox --fanout "$fanout" --depth 5
    echo "bench_mining_query_cpu $host 1000 1000000 1000"
    "$build/bench/bench_mining_query_cpu" "$host" 1000 1000000 1000
    stop_sandbox
fi
if [[ -n ${WINDOW_BUILD:-} ]]; then
    QT_QPA_PLATFORM=offscreen "$WINDOW_BUILD/bench/bench_window_list_tools" 1000000 3 2>/dev/null
fi
