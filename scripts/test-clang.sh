#!/usr/bin/env bash
# The clang stage: the core and its tests built with clang, AddressSanitizer, UBSan and the
# fuzzer's coverage, the core suite run, then every fuzz target for a short while.
#   bash scripts/test-clang.sh [seconds per fuzz target, default 10]
set -euo pipefail
cd "$(dirname "$0")/.."
start=$SECONDS
build=${QUORVEX_CLANG_BUILD_DIR:-build-clang}
cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUORVEX_BUILD_GUI=OFF -DQUORVEX_BUILD_BENCH=OFF -DQUORVEX_FUZZ=ON -DQUORVEX_WERROR=ON >/dev/null
cmake --build "$build" --target quorvex_core_tests quorvex_fuzzers
# One process for the whole suite (a process per case under the sanitizers costs a minute);
# the native stage already bounds every case on its own.
timeout 300 "$build/tests/quorvex_core_tests" --gtest_brief=1
bash scripts/fuzz.sh "${1:-10}"
echo "Clang, sanitizer and fuzz stage: $((SECONDS - start)) s"
