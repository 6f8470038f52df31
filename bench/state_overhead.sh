#!/usr/bin/env bash
# What --state costs: `vantorix-cli mine 减肥 --limit L --output FILE` against a
# vantorix-sandbox process (--fanout 12 --depth 5, no latency), once without
# and once with --state, each on a fresh output and state file: wall time,
# CPU time, and bytes the process wrote (wchar of /proc/PID/io: every write
# call, output, state file and standard error included).
# Usage: bench/state_overhead.sh [BUILD_DIR]   (default build)
# Environment: LIMIT (100000), CONCURRENCY (6).
set -euo pipefail

build=${1:-build}
tmp=$(mktemp -d)
sandbox_pid=
trap '[[ -n $sandbox_pid ]] && kill $sandbox_pid 2>/dev/null; rm -rf "$tmp"' EXIT

"$build/src/sandbox/vantorix-sandbox" --fanout 12 --depth 5 >"$tmp/sandbox.out" 2>/dev/null &
sandbox_pid=$!
until host=$(grep -o '127\.0\.0\.1:[0-9]*' "$tmp/sandbox.out" 2>/dev/null); do sleep 0.1; done

echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)"
# Runs mine with the extra flags and prints what it cost.
measure() {
    rm -f "$tmp/out" "$tmp/state" "$tmp/state.lock"
    # The shell reads its own I/O counters after the run: they include the
    # waited-for child's.
    bash -c '/usr/bin/time -f "%e %U %S" -o "$0.time" "${@:1}" >/dev/null
             awk "/^wchar/ {print \$2}" /proc/$$/io' "$tmp/m" \
        "$build/src/cli/vantorix-cli" mine 减肥 --quiet --limit "${LIMIT:-100000}" \
        --concurrency "${CONCURRENCY:-6}" --search-host "$host" --publisher-host "$host" \
        --output "$tmp/out" "$@" >"$tmp/wchar"
    read -r wall user sys <"$tmp/m.time"
    echo "wall $wall s, CPU $user+$sys s, wrote $(cat "$tmp/wchar") bytes," \
        "output $(stat -c %s "$tmp/out") bytes ($(wc -l <"$tmp/out") lines)" \
        "${1:+, state file $(stat -c %s "$tmp/state") bytes}"
}
echo -n "without --state: "
measure
echo -n "with --state:    "
measure --state "$tmp/state"
