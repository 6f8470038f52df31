#!/usr/bin/env bash
# vantorix-cli's list tools against the usual Unix tools, on one million
# generated keyword lines (UTF-8). Prints a Markdown section for RESULTS.md.
#
# Usage: bench/list_tools.sh [BUILD_DIR] [RUNS]
#   BUILD_DIR  a Release build (default: build-bench beside this folder), e.g.
#              cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release \
#                  -DVANTORIX_BUILD_GUI=OFF -DVANTORIX_BUILD_TESTS=OFF
#              cmake --build build-bench --target vantorix-cli
#   RUNS       hyperfine runs per command (default 15)
# Needs: python3, hyperfine, mawk, gawk, GNU grep/shuf/tr, GNU time.
set -euo pipefail

source "$(dirname "$0")/cli_build.sh"
runs=${2:-15}
generator=$here/gen_keywords.py

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
lines=$work/lines.txt # LF lines, the line mode's input
list=$work/list.txt   # CRLF list text, the --raw input
python3 "$generator" --lines 1000000 --seed 7 --lf -o "$lines"
python3 "$generator" --lines 1000000 --seed 7 -o "$list"
export LC_ALL=C.UTF-8

# The same answers first: a fast wrong tool proves nothing.
check() { cmp -s "$1" "$2" || { echo "output differs: $3" >&2; exit 1; }; }
"$cli" dedupe <"$lines" >"$work/a"
grep -v '^ *$' "$lines" | mawk '!s[$0]++' >"$work/b"
check "$work/a" "$work/b" "dedupe vs mawk (blank lines left out)"
"$cli" contains 减肥 <"$lines" >"$work/a"; grep -F 减肥 "$lines" >"$work/b"
check "$work/a" "$work/b" "contains vs grep -F"
"$cli" contains seo <"$lines" >"$work/a"; grep -Fi seo "$lines" >"$work/b"
check "$work/a" "$work/b" "contains seo vs grep -Fi"
"$cli" excludes 减肥 <"$lines" >"$work/a"; grep -Fv 减肥 "$lines" >"$work/b"
check "$work/a" "$work/b" "excludes vs grep -Fv"
"$cli" longer-than 6 <"$lines" >"$work/a"; grep -E '.{7}' "$lines" >"$work/b"
check "$work/a" "$work/b" "longer-than 6 vs grep -E '.{7}'"
"$cli" export comma <"$lines" >"$work/a"; { tr '\n' ',' <"$lines"; echo; } >"$work/b"
check "$work/a" "$work/b" "export comma vs tr"
"$cli" shuffle <"$lines" | sort >"$work/a"; grep -v '^$' "$lines" | sort >"$work/b"
check "$work/a" "$work/b" "shuffle keeps the non-empty lines"

# One hyperfine group per tool; the first command is ours.
group() {
    local name=$1
    shift
    hyperfine --style none --warmup 3 --runs "$runs" --export-json "$work/$name.json" "$@" \
        >/dev/null
}
out=$work/out
group dedupe "$cli dedupe <$lines >$out" "mawk '!s[\$0]++' <$lines >$out" \
    "gawk '!s[\$0]++' <$lines >$out"
group dedupe_raw "$cli dedupe --raw <$list >$out"
group contains "$cli contains 减肥 <$lines >$out" "grep -F 减肥 <$lines >$out"
group contains_ci "$cli contains seo <$lines >$out" "grep -Fi seo <$lines >$out"
group excludes "$cli excludes 减肥 <$lines >$out" "grep -Fv 减肥 <$lines >$out"
group longer "$cli longer-than 6 <$lines >$out" "grep -E '.{7}' <$lines >$out"
group shuffle "$cli shuffle <$lines >$out" "shuf <$lines >$out"
group export "$cli export comma <$lines >$out" "tr '\\n' ',' <$lines >$out"

rss() { /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -1; }
input_kib=$(($(stat -c %s "$lines") / 1024))
rss_dedupe=$(rss sh -c "exec '$cli' dedupe <'$lines'")
rss_dedupe_pipe=$(rss sh -c "cat '$lines' | '$cli' dedupe")
rss_shuffle=$(rss sh -c "exec '$cli' shuffle <'$lines'")
rss_contains=$(rss sh -c "exec '$cli' contains 减肥 <'$lines'")
rss_mawk=$(rss sh -c "exec mawk '!s[\$0]++' <'$lines'")
rss_gawk=$(rss sh -c "exec gawk '!s[\$0]++' <'$lines'")

python3 - "$work" "$input_kib" "$rss_dedupe" "$rss_dedupe_pipe" "$rss_shuffle" \
    "$rss_contains" "$rss_mawk" "$rss_gawk" <<'PY'
import json, sys
work, input_kib = sys.argv[1], int(sys.argv[2])
rss = dict(zip(["dedupe", "dedupe_pipe", "shuffle", "contains", "mawk", "gawk"],
               map(int, sys.argv[3:9])))
def ms(group):
    return [(r["command"], r["mean"] * 1000, r["stddev"] * 1000)
            for r in json.load(open(f"{work}/{group}.json"))["results"]]
rows = [
    ("dedupe", "dedupe", "faster of mawk/gawk `'!s[$0]++'`", 1 / 3, "at least 3x faster"),
    ("contains", "contains 减肥", "`grep -F 减肥`", 2, "within 2x"),
    ("contains_ci", "contains seo", "`grep -Fi seo`", 2, "within 2x"),
    ("excludes", "excludes 减肥", "`grep -Fv 减肥`", 2, "within 2x"),
    ("longer", "longer-than 6", "`grep -E '.{7}'`", 2, "within 2x"),
    ("shuffle", "shuffle", "`shuf`", 2, "within 2x"),
    ("export", "export comma", "`tr '\\n' ','`", None, "(none set)"),
]
print("| vantorix-cli | ms (mean ± sd) | reference | ms | ratio | target | met |")
print("|---|---|---|---|---|---|---|")
for group, ours, ref, limit, target in rows:
    results = ms(group)
    _, mean, sd = results[0]
    ref_mean = min(r[1] for r in results[1:])
    ratio = mean / ref_mean
    met = "—" if limit is None else ("yes" if ratio <= limit else "**no**")
    print(f"| `{ours}` | {mean:.1f} ± {sd:.1f} | {ref} | {ref_mean:.1f} | {ratio:.2f} "
          f"| {target} | {met} |")
for command, mean, sd in ms("dedupe")[1:]:
    print(f"\n`{command.split('<')[0].strip()}` alone: {mean:.1f} ms", end="")
_, raw_mean, raw_sd = ms("dedupe_raw")[0]
print(f"\n\n`dedupe --raw` on the CRLF list text: {raw_mean:.1f} ± {raw_sd:.1f} ms.")
print(f"\nPeak RSS (input {input_kib / 1024:.1f} MiB, GNU time `%M`):\n")
print("| command | peak RSS MiB | × input |")
print("|---|---|---|")
for label, key in [("`vantorix-cli dedupe < file`", "dedupe"),
                   ("`cat file \\| vantorix-cli dedupe`", "dedupe_pipe"),
                   ("`vantorix-cli shuffle < file`", "shuffle"),
                   ("`vantorix-cli contains 减肥 < file`", "contains"),
                   ("`mawk '!s[$0]++' < file`", "mawk"),
                   ("`gawk '!s[$0]++' < file`", "gawk")]:
    print(f"| {label} | {rss[key] / 1024:.1f} | {rss[key] / input_kib:.2f} |")
print(f"\nTarget: dedupe at most 3x the input: "
      f"{'met' if rss['dedupe'] <= 3 * input_kib else 'NOT met'} "
      f"({rss['dedupe'] / input_kib:.2f}x).")
PY

echo
echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), \
$(awk '/MemTotal/ {printf "%.1f GiB RAM", $2 / 1048576}' /proc/meminfo); \
$(hyperfine --version), mawk $(mawk -W version 2>&1 | head -1 | awk '{print $2}'), \
$(gawk --version | head -1 | cut -d, -f1), $(grep --version | head -1), \
$(shuf --version | head -1)."
