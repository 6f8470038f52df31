#!/usr/bin/env bash
# Throttling benchmarks against a live vantorix-sandbox:
#  1. pace: --rate-limit 20 --block-cooldown 5, a run of about 2,000 queries
#     with --pace auto --max-rate 100 beside fixed --delay values (queries/s
#     reached, share of queries blocked);
#  2. proxies: the same limit, one address against 4 SOCKS5 proxies on
#     127.0.0.2-5 (keywords per second, same keywords);
#  3. concurrency: about 700 keywords, 50 ms latency, concurrency 1 against 6.
# Usage: bench/throttle.sh [BUILD_DIR]   (default build)
set -euo pipefail

build=${1:-build}
here=$(cd "$(dirname "$0")" && pwd)
cli=$build/src/cli/vantorix-cli
tmp=$(mktemp -d)
pids=()

cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$tmp"
}
trap cleanup EXIT

cmake --build "$build" -j2 --target vantorix-cli vantorix-sandbox >/dev/null

# Starts the sandbox with the given options and sets $host.
start_sandbox() {
    "$build/src/sandbox/vantorix-sandbox" "$@" >"$tmp/sandbox.out" 2>&1 &
    sandbox_pid=$!
    pids+=("$sandbox_pid")
    until host=$(grep -o '127\.0\.0\.1:[0-9]*' "$tmp/sandbox.out" | head -1) && [[ -n $host ]]; do
        sleep 0.1
    done
}

stop_sandbox() {
    kill "$sandbox_pid"
    wait "$sandbox_pid" 2>/dev/null || true
}

# mine NAME ARGS...: a live run from 减肥; prints wall seconds, queries,
# requests, blocks, keywords and the rates.
mine() {
    local name=$1
    shift
    local start end
    start=$(date +%s.%N)
    "$cli" --layout live --search-host "$host" --publisher-host "$host" mine 减肥 "$@" \
        >"$tmp/$name.out" 2>"$tmp/$name.err" || true
    end=$(date +%s.%N)
    local summary
    summary=$(grep '^summary:' "$tmp/$name.err")
    local queries requests retried stayed keywords
    queries=$(sed -E 's/^summary: ([0-9]+) quer.*/\1/' <<<"$summary")
    requests=$(sed -E 's/.*\(([0-9]+) requests?\).*/\1/' <<<"$summary")
    retried=$(sed -E 's/.*: ([0-9]+) blocked and retried.*/\1/' <<<"$summary")
    stayed=$(sed -E 's/.* ([0-9]+) stayed blocked.*/\1/' <<<"$summary")
    keywords=$(wc -l <"$tmp/$name.out")
    awk -v n="$name" -v s="$start" -v e="$end" -v q="$queries" -v r="$requests" \
        -v b="$((retried + stayed))" -v k="$keywords" 'BEGIN {
        w = e - s;
        printf "%-26s %6.1f s %5d queries %5d requests %4d blocked (%4.1f %%) %6d keywords %6.1f q/s %7.1f kw/s\n",
            n, w, q, r, b, 100 * b / r, k, r / w, k / w }'
}

echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)"

echo "== pace: --rate-limit 20 --block-cooldown 5 (a new sandbox for each run)"
for run in "auto:--pace auto --max-rate 100" "delay-40:--delay 40" "delay-50:--delay 50"; do
    start_sandbox --layout live --fanout 12 --depth 3 --rate-limit 20 --block-cooldown 5
    # shellcheck disable=SC2086
    mine "${run%%:*}" ${run#*:} --limit 9000 --retries 5
    stop_sandbox
done

echo "== proxies: --rate-limit 20 --block-cooldown 5, --pace auto --max-rate 100"
python3 "$here/socks_proxies.py" 127.0.0.2 127.0.0.3 127.0.0.4 127.0.0.5 >"$tmp/proxies.txt" &
pids+=($!)
until [[ -f $tmp/proxies.txt && $(wc -l <"$tmp/proxies.txt") -eq 4 ]]; do sleep 0.1; done
for run in one four; do
    start_sandbox --layout live --fanout 12 --depth 3 --rate-limit 20 --block-cooldown 5
    if [[ $run == one ]]; then
        mine proxies-one --pace auto --max-rate 100 --limit 5000 --retries 5
    else
        mine proxies-four --pace auto --max-rate 100 --limit 5000 --retries 5 \
            --proxies "$tmp/proxies.txt"
    fi
    stop_sandbox
done
cmp -s "$tmp/proxies-one.out" "$tmp/proxies-four.out" && echo "same keywords" ||
    echo "KEYWORDS DIFFER"

echo "== concurrency: --fanout 8 --depth 2 (691 keywords), --latency 50, classic"
start_sandbox --fanout 8 --depth 2 --latency 50
for c in 1 6; do
    start=$(date +%s.%N)
    "$cli" --search-host "$host" --publisher-host "$host" --concurrency "$c" mine 减肥 --quiet \
        >"$tmp/c$c.out"
    end=$(date +%s.%N)
    awk -v c="$c" -v s="$start" -v e="$end" -v k="$(wc -l <"$tmp/c$c.out")" \
        'BEGIN { printf "concurrency %d: %5.1f s %d keywords %6.1f kw/s\n", c, e - s, k, k / (e - s) }'
done
cmp -s "$tmp/c1.out" "$tmp/c6.out" && echo "same output" || echo "OUTPUT DIFFERS"
stop_sandbox
