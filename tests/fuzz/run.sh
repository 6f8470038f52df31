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
targets=("${@:-extract harvest charset live list_tools options root_groups}")
read -ra targets <<<"${targets[*]}"

if [[ ! -f $build/build.ninja ]]; then
    CC=clang-14 CXX=clang++-14 cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DVANTORIX_FUZZ=ON -DVANTORIX_BUILD_GUI=OFF -DVANTORIX_BUILD_TESTS=OFF >/dev/null
fi
cmake --build "$build" -j2 --target vantorix-sandbox vantorix-cli vantorix_fuzz >/dev/null
[[ -d $build/fuzz-seeds ]] || tests/fuzz/make_seeds.sh "$build" "$build/fuzz-seeds"

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
