#!/usr/bin/env bash
# Sets up, builds and starts Quorvex: installs only what building the program needs, builds only
# the program (no tests, no benchmarks; with the compiler cache when there is one) into build/
# (or $QUORVEX_BUILD_DIR), and starts it with any arguments given. The test command
# (scripts/test.sh) installs the rest and builds everything else in the same folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh --build
build=${QUORVEX_BUILD_DIR:-build}
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    # Paths inside the tree are cached as relative ones, so that every clone shares the cache.
    export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD}
fi
# Only a new build folder is configured without tests: one the test command made keeps them.
options=()
[ -f "$build/CMakeCache.txt" ] || options=(-DQUORVEX_BUILD_TESTS=OFF -DQUORVEX_BUILD_BENCH=OFF)
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE:-RelWithDebInfo} \
    "${launcher[@]}" "${options[@]}" >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target quorvex
exec "$build/src/app/quorvex" "$@"
