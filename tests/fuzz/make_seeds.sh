#!/usr/bin/env bash
# Seed corpora for the fuzz targets, from the sandbox web's pages (classic
# and live) and a short mining run against it. Usage: make_seeds.sh BUILD_DIR OUT_DIR
set -euo pipefail
build=$1 out=$2
sandbox=$build/src/sandbox/vantorix-sandbox cli=$build/src/cli/vantorix-cli
for t in extract harvest charset live list_tools options root_groups; do mkdir -p "$out/$t"; done

pids=()
trap 'kill "${pids[@]}" 2>/dev/null' EXIT
serve() { # serve ARGS...: starts a sandbox, sets $url
    local fifo && fifo=$(mktemp -u) && mkfifo "$fifo"
    "$sandbox" --port 0 "$@" >"$fifo" 2>/dev/null & pids+=($!)
    read -r _ _ url <"$fifo" && rm -f "$fifo"
}
serve --layout live
for path in "s?wd=%E5%87%8F%E8%82%A5" "board?tab=realtime" hot_ranks; do
    for key in word title; do
        { echo $key; curl -s "$url/$path"; } >"$out/live/${path%%\?*}-$key"
    done
done
serve
host=${url#http://}
page() { curl -s "$url$1"; }
utf8() { iconv -f GB18030 -t UTF-8; }

declare -A paths=([result]="/s?wd=%BC%F5%B7%CA" [marker]="/banben.htm?bb=v3.3"
    [baidu]="/buzz/top10.html" [sogou]="/000002.html" [empty]="/s?wd=")
for name in "${!paths[@]}"; do
    page "${paths[$name]}" >"$out/charset/$name-gbk"
    { echo "text/html; charset=gbk"; cat "$out/charset/$name-gbk"; } >"$out/charset/$name-header"
    { echo "text/html"; utf8 <"$out/charset/$name-gbk"; } >"$out/charset/$name-meta"
done
{ echo "text/html; charset=utf-8"; utf8 <"$out/charset/result-gbk"; } >"$out/charset/result-utf8"

markers=("相关搜索</th>|</table>" '<div id="rs">|</div>' "最近24小时搜索量|</table>"
    '" target="_blank">|</a>' "今日搜索|</HTML>" "[[v3.3--|]]" '&f=1">|</a>')
i=0
for pair in "${markers[@]}"; do
    for name in result marker baidu sogou; do
        { echo "${pair%%|*}"; echo "${pair#*|}"; utf8 <"$out/charset/$name-gbk"; } \
            >"$out/extract/$i-$name"
    done
    i=$((i + 1))
done
for name in result empty; do
    { printf '2\n未开启\n\r\n减肥\r\n\x1f减肥方法\r\n\x1f\n'; utf8 <"$out/charset/$name-gbk"; } \
        >"$out/harvest/$name"
    { printf '0\n减肥\n\r\n\n'; utf8 <"$out/charset/$name-gbk"; } >"$out/harvest/$name-filter"
done

"$cli" --search-host "$host" --publisher-host "$host" mine 减肥 --limit 200 --raw --quiet \
    >"$out/root_groups/mined"
head -c 400 "$out/root_groups/mined" | tr -d '\r' >"$out/list_tools/lines"
for needle in 减肥 keep " a " ""; do
    { echo "$needle"; head -c 400 "$out/root_groups/mined"; } >"$out/list_tools/raw-${needle// /_}"
done
"$cli" --sandbox hotwords baidu-today --raw >"$out/root_groups/hotwords"

printf '%s\0' mine 减肥 --search-host "$host" --limit=-5 --timeout 5 >"$out/options/mine"
printf '%s\0' --proxy socks5://127.0.0.1:1080 --concurrency 6 -- -1 >"$out/options/proxy"
printf '%s\0' --port 0 --fail-rate 0.5 --seed 7 --fanout 12 --depth 5 >"$out/options/sandbox"
printf '%s\0' --search-host "[::1]:8080" --publisher-host x.example:80 -h >"$out/options/hosts"
printf '%s\0' 1e400 -0 NaN "１２" " 2.9 " --latency >"$out/options/numbers"
