#!/usr/bin/env bash
# Fuzzes every parser of outside data with libFuzzer, AddressSanitizer and UBSan (clang).
#   bash scripts/fuzz.sh [seconds per target, default 20] [target...]
# Builds into build-clang/ (or $QUORVEX_CLANG_BUILD_DIR), replays every input in
# tests/fuzz/regressions/<target>/, then fuzzes from tests/fuzz/corpus/<target>/ in a throwaway
# folder (the tree is never written). A failing input is saved in the build folder; add it to
# tests/fuzz/regressions/<target>/ once it is fixed.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
shift || true
build=${QUORVEX_CLANG_BUILD_DIR:-build-clang}
if [ ! -f "$build/build.ninja" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
        -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DQUORVEX_BUILD_GUI=OFF -DQUORVEX_BUILD_BENCH=OFF -DQUORVEX_FUZZ=ON -DQUORVEX_WERROR=ON
fi
cmake --build "$build" --target quorvex_fuzzers
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    targets=(reg_file_fuzz netlink_link_fuzz proc_net_dev_fuzz if_row_fuzz ini_text_fuzz record_file_fuzz
        hand_over_fuzz packed_picture_fuzz)
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in "${targets[@]}"; do
    exe="$build/tests/fuzz/$target"
    [ -x "$exe" ] || { echo "no fuzz target $target"; exit 1; }
    regressions=tests/fuzz/regressions/$target
    if [ -d "$regressions" ] && [ -n "$(ls -A "$regressions")" ]; then
        "$exe" -runs=0 "$regressions"/* >/dev/null 2>&1 || { "$exe" "$regressions"/*; exit 1; }
    fi
    mkdir -p "$work/$target"
    start=$SECONDS
    # Bounded: each input gets 5 s and 1 GiB at most; found inputs stay in the throwaway folder.
    "$exe" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=1024 -max_len=65536 \
        -artifact_prefix="$build/$target-" -print_final_stats=1 \
        "$work/$target" "tests/fuzz/corpus/$target" 2>"$work/$target.log" ||
        { tail -40 "$work/$target.log"; exit 1; }
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$work/$target.log" | grep -o '[0-9]*$')
    echo "$target: ${runs:-?} inputs in $((SECONDS - start)) s, no failure"
done
