#!/usr/bin/env bash
# Mining several engines in one run, against vantorix-sandbox --layout live
# --fanout 10 --depth 5 (far more keywords than a run reaches):
#  1. keywords per minute: --engine baidu against --engine all, each run for
#     DURATION seconds and stopped with SIGINT, once for each pace in PACES,
#     on a fresh sandbox with --rate-limit 20 (each engine 20 queries/s per
#     address); each engine's requests and blocks come from the sandbox's log;
#  2. distinct keywords for the same number of queries (--max-queries QUERIES):
#     baidu, sogou and so360 alone and all three, on a sandbox without a rate
#     limit and with --delay 0, since only the pages decide what is found.
# Usage: bench/engines.sh [BUILD_DIR]   (default build; a directory holding
#        just the two programs will do)
# Environment: DURATION (60), QUERIES (600), PACES ("--max-rate 20;--delay 50"),
#              COOLDOWN (30, the sandbox's --block-cooldown).
set -euo pipefail

build=${1:-build}
cli=$build/src/cli/vantorix-cli
sandbox=$build/src/sandbox/vantorix-sandbox
[[ -x $cli ]] || { cli=$build/vantorix-cli; sandbox=$build/vantorix-sandbox; }
duration=${DURATION:-60}
queries=${QUERIES:-600}
cooldown=${COOLDOWN:-30}
IFS=';' read -r -a paces <<<"${PACES:---max-rate 20;--delay 50}"
tmp=$(mktemp -d)
sandbox_pid=
trap '[[ -n $sandbox_pid ]] && kill $sandbox_pid 2>/dev/null; rm -rf "$tmp"' EXIT

# Starts the sandbox with the given options, its log in $tmp/sandbox.out, and
# sets $host.
start_sandbox() {
    "$sandbox" --layout live --fanout 10 --depth 5 "$@" >"$tmp/sandbox.out" 2>/dev/null &
    sandbox_pid=$!
    until host=$(grep -o '127\.0\.0\.1:[0-9]*' "$tmp/sandbox.out" 2>/dev/null | head -1) &&
        [[ -n $host ]]; do
        sleep 0.1
    done
}

stop_sandbox() {
    kill "$sandbox_pid"
    wait "$sandbox_pid" 2>/dev/null || true
    sandbox_pid=
}

# mine_args ENGINES: sets $args to a run from 减肥 with every engine on the
# sandbox.
mine_args() {
    args=(--layout live --search-host "$host" --sogou-search-host "$host"
        --so360-search-host "$host" --publisher-host "$host"
        mine 减肥 --engine "$1" --limit 100000000)
}

# Distinct keywords of a run's output (a page may list a word twice).
distinct() { LC_ALL=C sort -u "$1" | wc -l; }

echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs);" \
    "load $(cut -d' ' -f1-3 /proc/loadavg)"

echo "== keywords per minute: --rate-limit 20 --block-cooldown $cooldown, runs of $duration s stopped with SIGINT"
declare -A per_minute
for pace in "${paces[@]}"; do
    for engines in baidu all; do
        start_sandbox --rate-limit 20 --block-cooldown "$cooldown" --log
        start=$(date +%s.%N)
        mine_args "$engines"
        # shellcheck disable=SC2086
        timeout -s INT "$duration" "$cli" "${args[@]}" $pace >"$tmp/out" 2>"$tmp/err" || true
        end=$(date +%s.%N)
        stop_sandbox
        keywords=$(distinct "$tmp/out")
        rate=$(awk -v k="$keywords" -v s="$start" -v e="$end" 'BEGIN { printf "%.0f", 60 * k / (e - s) }')
        per_minute[$engines]=$rate
        ratio=
        [[ $engines == all ]] &&
            ratio=$(awk -v a="$rate" -v b="${per_minute[baidu]}" 'BEGIN { printf " (%.2fx baidu)", a / b }')
        awk -v n="$engines" -v p="$pace" -v s="$start" -v e="$end" -v k="$keywords" \
            -v r="$rate" -v x="$ratio" 'BEGIN {
            printf "%-6s %-14s %5.1f s %7d keywords %7d/min%s\n", n, p, e - s, k, r, x }'
        # Requests and blocks per engine, told apart by the search path.
        for engine in baidu:/s?wd= sogou:/web?query= so360:/s?q=; do
            name=${engine%%:*} path=${engine#*:}
            awk -F'\t' -v n="$name" -v p="$path" '
                $1 == "127.0.0.1" && index($2, p) == 1 { r++ }
                $1 == "block" && index($3, p) == 1 { b++ }
                END { if (r) printf "         %-6s %6d requests %5d blocked (%4.1f %%)\n", n, r, b, 100 * b / r }' \
                "$tmp/sandbox.out"
        done
        grep -E '^(summary|  [a-z0-9]+:)' "$tmp/err" | sed 's/^/         /'
    done
done

echo "== distinct keywords for $queries queries (no rate limit, --delay 0)"
start_sandbox
for engines in baidu sogou so360 all; do
    mine_args "$engines"
    "$cli" "${args[@]}" --delay 0 --max-queries "$queries" >"$tmp/$engines.out" 2>/dev/null
    LC_ALL=C sort -u "$tmp/$engines.out" >"$tmp/$engines.sorted"
    new=
    [[ $engines != baidu ]] &&
        new=", $(LC_ALL=C comm -13 "$tmp/baidu.sorted" "$tmp/$engines.sorted" | wc -l) not in baidu's"
    printf '%-6s %6d distinct keywords%s\n' "$engines" "$(wc -l <"$tmp/$engines.sorted")" "$new"
done
stop_sandbox
