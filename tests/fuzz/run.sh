#!/usr/bin/env bash
# Fuzzes each target for a set time, one after the other. Usage:
#   tests/fuzz/run.sh [-t SECONDS_EACH] [-b BUILD_DIR] [TARGET...]
# Builds the libFuzzer program with clang-14 into BUILD_DIR (build-fuzz),
# seeds it from the sandbox's pages once, keeps what each run finds in
# BUILD_DIR/fuzz-corpus/TARGET and every crash in BUILD_DIR/fuzz-crashes/TARGET.
# To keep a crash as a regression test, copy it to tests/fuzz/regressions/TARGET.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=600 build=build-fuzz
while getopts t:b: option; do
    case $option in
    t) seconds=$OPTARG ;;
    b) build=$OPTARG ;;
    *) exit 2 ;;
    esac
done
shift $((OPTIND - 1))
targets=("${@:-extract harvest charset live list_tools options root_groups proxies state}")
read -ra targets <<<"${targets[*]}"

# Seeds from the sandbox web's pages, classic and live, and a mining run.
make_seeds() {
    local out=$1 url host name pair i=0 sandbox=$build/src/sandbox/vantorix-sandbox
    local cli=$build/src/cli/vantorix-cli
    mkdir -p "${targets[@]/#/$out/}"
    trap 'kill $(jobs -p) 2>/dev/null' EXIT
    serve() { # serve ARGS...: starts a sandbox, sets $url
        "$sandbox" --port 0 "$@" >"$out/.sandbox$#" 2>/dev/null &
        until url=$(grep -o 'http://[0-9.:]*' "$out/.sandbox$#"); do sleep 0.1; done
    }
    serve --layout live
    for path in "s?wd=%E5%87%8F%E8%82%A5" "board?tab=realtime" hot_ranks; do
        { echo word; curl -s "$url/$path"; } >"$out/live/${path%%\?*}"
    done
    serve && host=${url#http://}
    for path in "s?wd=%BC%F5%B7%CA" "banben.htm?bb=v3.3" buzz/top10.html 000002.html "s?wd="; do
        name=page$((i / 4))
        curl -s "$url/$path" | tee "$out/charset/$name-gbk" | iconv -f GB18030 -t UTF-8 >"$out/$name"
        { echo "text/html; charset=gbk"; cat "$out/charset/$name-gbk"; } >"$out/charset/$name-header"
        { echo "text/html"; cat "$out/$name"; } >"$out/charset/$name-meta"
        for pair in "相关搜索</th>|</table>" '<div id="rs">|</div>' "[[v3.3--|]]" '&f=1">|</a>'; do
            { echo "${pair%%|*}"; echo "${pair#*|}"; cat "$out/$name"; } >"$out/extract/$name-$((i++))"
        done
        { printf '2\n未开启\n\r\n减肥\r\n\x1f减肥方法\r\n\x1f\n'; cat "$out/$name"; } >"$out/harvest/$name"
    done
    "$cli" --search-host "$host" --publisher-host "$host" mine 减肥 --limit 200 --raw --quiet \
        >"$out/root_groups/mined"
    for needle in 减肥 keep " a " ""; do
        { echo "$needle"; head -c 400 "$out/root_groups/mined"; } >"$out/list_tools/raw-${needle// /_}"
    done
    printf '%s\0' mine 减肥 --search-host "$host" --limit=-5 --timeout 5 >"$out/options/mine"
    printf '%s\0' --proxy socks5://127.0.0.1:1080 --concurrency 6 -- -1 >"$out/options/proxy"
    printf '%s\0' --port 0 --fail-rate 0.5 --seed 7 --fanout 12 --depth 5 >"$out/options/sandbox"
    printf '%s\0' --search-host "[::1]:8080" -h 1e400 -0 NaN "１２" " 2.9 " >"$out/options/hosts"
    "$cli" --search-host "$host" --publisher-host "$host" mine 减肥 --limit 30 --quiet \
        --state "$out/state/run" >/dev/null
    printf '# rotation\nhttp://127.0.0.1:8080\n\nsocks5://u:p@[::1]:1080\r\n' >"$out/proxies/list"
    kill $(jobs -p) && trap - EXIT && rm "$out"/.sandbox* "$out"/page*
}

if [[ ! -f $build/build.ninja ]]; then
    CC=clang-14 CXX=clang++-14 cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DVANTORIX_FUZZ=ON -DVANTORIX_BUILD_GUI=OFF -DVANTORIX_BUILD_TESTS=OFF >/dev/null
fi
cmake --build "$build" -j2 --target vantorix-sandbox vantorix-cli vantorix_fuzz >/dev/null
[[ -d $build/fuzz-seeds ]] || make_seeds "$build/fuzz-seeds"

failed=()
for target in "${targets[@]}"; do
    corpus=$build/fuzz-corpus/$target crashes=$build/fuzz-crashes/$target
    mkdir -p "$corpus" "$crashes" "$build/fuzz-seeds/$target"
    echo "== $target: $seconds s"
    # The list tools run 28 ways per input and grouping cuts words with ICU:
    # short inputs keep them quick.
    limit=() && [[ $target == list_tools || $target == root_groups ]] && limit=(-max_len=512)
    inputs=("$corpus" "$build/fuzz-seeds/$target")
    [[ -d tests/fuzz/regressions/$target ]] && inputs+=(tests/fuzz/regressions/"$target")
    if ! FUZZ_TARGET=$target "$build/tests/fuzz/vantorix_fuzz" "${inputs[@]}" "${limit[@]}" \
        -dict=tests/fuzz/vantorix.dict -max_total_time="$seconds" -timeout=20 \
        -rss_limit_mb=2048 -artifact_prefix="$crashes/" -print_final_stats=1 \
        >"$build/fuzz-$target.log" 2>&1; then
        failed+=("$target")
        grep -E "ERROR|SUMMARY|does not hold|artifact" "$build/fuzz-$target.log" | head -5 || true
    fi
    grep -E "^stat::number_of_executed_units|^#[0-9]+.*DONE" "$build/fuzz-$target.log" || true
done
if ((${#failed[@]})); then
    echo "crashed: ${failed[*]} (inputs in $build/fuzz-crashes)" >&2
    exit 1
fi
