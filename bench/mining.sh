#!/usr/bin/env bash
# Mining benchmarks against a vantorix-sandbox process:
#  1. keywords per second of `vantorix-cli mine` at concurrency 1 and 6, with
#     50 ms latency on every page and a graph of about 18,600 keywords, plus a
#     check that both runs print the same list text;
#  2. CPU time per query once 1,000 and once 100,000 keywords are seen
#     (latency 0; the sandbox's own CPU is in its own process);
#  3. with WINDOW_BUILD set to a Release build with the window and benchmarks,
#     a 100,000-keyword run in the offscreen window (process CPU of the first
#     and the last 1,000 queries, how long a click waits, peak RSS).
# Usage: bench/mining.sh [BUILD_DIR]   (default /work/main/build-bench, Release)
# Environment: LATENCY (50), FANOUT/DEPTH (12/3) for part 1, SKIP_THROUGHPUT=1,
# WINDOW_BUILD.
set -euo pipefail

build=${1:-/work/main/build-bench}
latency=${LATENCY:-50}
fanout=${FANOUT:-12}
depth=${DEPTH:-3}
tmp=$(mktemp -d)
sandbox_pid=

cleanup() {
    [[ -n $sandbox_pid ]] && kill "$sandbox_pid" 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT

flock /tmp/vantorix-build.lock cmake --build "$build" -j2 \
    --target vantorix-cli vantorix-sandbox bench_mining_query_cpu >/dev/null

# Starts the sandbox with the given options and sets $host.
start_sandbox() {
    "$build/src/sandbox/vantorix-sandbox" "$@" >"$tmp/sandbox.out" 2>&1 &
    sandbox_pid=$!
    for _ in $(seq 100); do
        host=$(grep -o '127\.0\.0\.1:[0-9]*' "$tmp/sandbox.out" | head -1 || true)
        [[ -n $host ]] && return 0
        sleep 0.1
    done
    echo "sandbox did not start" >&2
    exit 1
}

stop_sandbox() {
    kill "$sandbox_pid"
    wait "$sandbox_pid" 2>/dev/null || true
    sandbox_pid=
}

echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)," \
    "$(free -g | awk '/Mem:/ {print $2}') GiB"

if [[ ${SKIP_THROUGHPUT:-0} != 1 ]]; then
    start_sandbox --latency "$latency" --fanout "$fanout" --depth "$depth"
    echo "sandbox: --latency $latency --fanout $fanout --depth $depth"
    for c in 1 6; do
        /usr/bin/time -f "%e %U %S %M" -o "$tmp/time.$c" \
            "$build/src/cli/vantorix-cli" mine --raw --quiet --limit 1000000 \
            --concurrency "$c" --search-host "$host" --publisher-host "$host" >"$tmp/out.$c"
        read -r wall user sys rss <"$tmp/time.$c"
        keywords=$(tr -d '\r' <"$tmp/out.$c" | grep -c . || true)
        rate=$(awk -v k="$keywords" -v w="$wall" 'BEGIN {printf "%.1f", k / w}')
        echo "concurrency $c: $keywords keywords in $wall s = $rate keywords/s" \
            "(CPU ${user}+${sys} s, max RSS $((rss / 1024)) MB)"
        echo "$wall" >"$tmp/wall.$c"
    done
    awk -v a="$(cat "$tmp/wall.1")" -v b="$(cat "$tmp/wall.6")" \
        'BEGIN {printf "speed-up 6 vs 1: %.2fx\n", a / b}'
    if cmp -s "$tmp/out.1" "$tmp/out.6"; then
        echo "output identical ($(wc -c <"$tmp/out.1") bytes, md5 $(md5sum <"$tmp/out.1" | cut -c1-32))"
    else
        echo "OUTPUT DIFFERS between concurrency 1 and 6"
    fi
    stop_sandbox
fi

start_sandbox --fanout 10 --depth 5
echo "sandbox: --latency 0 --fanout 10 --depth 5; bench_mining_query_cpu $host 1000 100000 1000"
"$build/bench/bench_mining_query_cpu" "$host" 1000 100000 1000
stop_sandbox

if [[ -n ${WINDOW_BUILD:-} ]]; then
    cmake --build "$WINDOW_BUILD" -j2 --target bench_mining_window >/dev/null
    start_sandbox --fanout 10 --depth 5
    echo "sandbox: --latency 0 --fanout 10 --depth 5; bench_mining_window $host 100000"
    QT_QPA_PLATFORM=offscreen "$WINDOW_BUILD/bench/bench_mining_window" "$host" 100000 2>/dev/null
    stop_sandbox
fi
