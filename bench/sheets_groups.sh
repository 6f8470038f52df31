#!/usr/bin/env bash
# vantorix-cli's `group` on 100,000 and 1,000,000 generated keyword lines and
# `export xlsx|csv` of the 1,000,000; time and peak memory. Prints a Markdown
# section for RESULTS.md.
#
# Usage: bench/sheets_groups.sh [BUILD_DIR] [RUNS]
#   BUILD_DIR  a Release build (default: build-bench beside this folder), e.g.
#              cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release \
#                  -DVANTORIX_BUILD_GUI=OFF -DVANTORIX_BUILD_TESTS=OFF
#              cmake --build build-bench --target vantorix-cli
#   RUNS       hyperfine runs of the 1,000,000-line commands (default 3; the
#              100,000-line one runs three times as often)
# Needs: python3 with openpyxl (python3-openpyxl), hyperfine, GNU time.
set -euo pipefail

source "$(dirname "$0")/cli_build.sh"
runs=${2:-3}
python=python3
[ -x /usr/bin/python3 ] && python=/usr/bin/python3 # Debian's openpyxl

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
small=$work/100k.txt
large=$work/1m.txt
"$python" "$here/gen_keywords.py" --lines 100000 --seed 7 --lf -o "$small"
"$python" "$here/gen_keywords.py" --lines 1000000 --seed 7 --lf -o "$large"
export LC_ALL=C.UTF-8

# The right answers first: every keyword once, and files a reader opens.
"$cli" group --format tsv <"$large" | cut -f2 | sort >"$work/grouped"
grep -v '^$' "$large" | sort >"$work/expected"
cmp -s "$work/grouped" "$work/expected" || { echo "group lost or added keywords" >&2; exit 1; }
"$cli" export xlsx "$work/small.xlsx" <"$small"
"$python" - "$work/small.xlsx" "$small" <<'PY'
import openpyxl, sys
rows = [r[0] for r in openpyxl.load_workbook(sys.argv[1], read_only=True).active.iter_rows(values_only=True)]
want = [l for l in open(sys.argv[2], encoding="utf-8").read().split("\n") if l]
assert rows[0] == "关键词" and rows[1:] == want, "xlsx differs from its input"
PY

hyperfine --style none --warmup 1 --runs $((runs * 3)) --export-json "$work/g100k.json" \
    "$cli group <$small >$work/out" >/dev/null
hyperfine --style none --warmup 1 --runs "$runs" --export-json "$work/big.json" \
    "$cli group <$large >$work/out" \
    "$cli export xlsx $work/out.xlsx <$large" \
    "$cli export csv $work/out.csv <$large" >/dev/null

# Peak RSS (KiB) and CPU seconds of one run each.
measure() { /usr/bin/time -f '%M %U %S' "$@" 2>&1 >/dev/null | tail -1; }
base=$(measure sh -c "echo 减肥茶 | exec '$cli' group")
g100k=$(measure sh -c "exec '$cli' group <'$small'")
g1m=$(measure sh -c "exec '$cli' group <'$large'")
xlsx=$(measure sh -c "exec '$cli' export xlsx '$work/out.xlsx' <'$large'")
csv=$(measure sh -c "exec '$cli' export csv '$work/out.csv' <'$large'")

"$python" - "$work" "$(stat -c %s "$small")" "$(stat -c %s "$large")" \
    "$(stat -c %s "$work/out.xlsx")" "$base" "$g100k" "$g1m" "$xlsx" "$csv" <<'PY'
import json, sys
work, small, large, xlsx_size = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4])
base, g100k, g1m, xlsx, csv = [list(map(float, a.split())) for a in sys.argv[5:10]]
results = json.load(open(f"{work}/g100k.json"))["results"] + \
          json.load(open(f"{work}/big.json"))["results"]
rows = [("`group`, 100,000 lines", 2, g100k, small),
        ("`group`, 1,000,000 lines", 20, g1m, large),
        ("`export xlsx`, 1,000,000 lines", 10, xlsx, large),
        ("`export csv`, 1,000,000 lines", None, csv, large)]
print("| command | wall s (mean ± sd) | CPU s (user+sys) | target s | met "
      "| peak RSS MiB | growth over start-up × input |")
print("|---|---|---|---|---|---|---|")
for (label, target, (rss, user, system), size), r in zip(rows, results):
    met = "—" if target is None else ("yes" if r["mean"] < target else "**no**")
    growth = (rss - base[0]) * 1024 / size
    print(f"| {label} | {r['mean']:.2f} ± {r['stddev']:.2f} | {user + system:.2f} "
          f"| {target or '—'} | {met} | {rss / 1024:.1f} | {growth:.1f} |")
print(f"\nInputs: {small / 2**20:.1f} MiB and {large / 2**20:.1f} MiB of UTF-8; the workbook "
      f"of 1,000,000 keywords is {xlsx_size / 2**20:.1f} MiB. Start-up alone (one keyword) "
      f"peaks at {base[0] / 1024:.1f} MiB; the last column is the peak above that, as a "
      f"multiple of the input's size.")
PY

echo
echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), \
$(awk '/MemTotal/ {printf "%.1f GiB RAM", $2 / 1048576}' /proc/meminfo), load average \
$(cut -d' ' -f1-3 /proc/loadavg) at the end; $(hyperfine --version)."
