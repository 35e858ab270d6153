#!/usr/bin/env bash
# Configures and builds everything, tests and benchmarks included, into build/ (or
# $QUORVEX_BUILD_DIR). Extra arguments go to CMake (they may turn either off again).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${QUORVEX_BUILD_DIR:-build}
# scripts/run.sh may have made the folder without tests and benchmarks.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE:-RelWithDebInfo} \
    -DQUORVEX_BUILD_TESTS=ON -DQUORVEX_BUILD_BENCH=ON "$@"
cmake --build "$build" --parallel "$(nproc)"
