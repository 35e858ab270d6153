#!/usr/bin/env bash
# Set-up, then every stage of the test command, each printing its time: formatting, the native
# build (warnings as errors) and suite, the core suite under AddressSanitizer and UBSan, and the
# core suite as Windows executables under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
build=${QUORVEX_BUILD_DIR:-build}
sanitize_build=${QUORVEX_SANITIZE_BUILD_DIR:-build-sanitize}
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

started=$SECONDS
bash scripts/check-format.sh
echo "test: formatting $((SECONDS - started)) s"

started=$SECONDS
bash scripts/build.sh -DQUORVEX_WERROR=ON "${launcher[@]}"
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)" --timeout 120
echo "test: native build and suite $((SECONDS - started)) s"

# Faults that show only as a crash or a stray read (parsers, decoders, the meter's arithmetic)
# fail here: the core suite alone, without Qt, under the sanitizers.
started=$SECONDS
cmake -S . -B "$sanitize_build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUORVEX_SANITIZE=ON \
    -DQUORVEX_WERROR=ON -DQUORVEX_BUILD_GUI=OFF -DQUORVEX_BUILD_BENCH=OFF "${launcher[@]}" >/dev/null
cmake --build "$sanitize_build" --parallel "$(nproc)" --target quorvex_core_tests
ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    LANG=C.UTF-8 LC_ALL=C.UTF-8 "$sanitize_build/tests/quorvex_core_tests" --gtest_brief=1
echo "test: sanitizer suite $((SECONDS - started)) s"

# The same core suite and the Win32 backends, as Windows executables under Wine.
started=$SECONDS
if command -v x86_64-w64-mingw32-g++-posix >/dev/null &&
    { command -v wine64 >/dev/null || [ -x /usr/lib/wine/wine64 ]; }; then
    bash scripts/test-windows.sh
else
    echo "Skipping the Windows tests: the mingw-w64 cross compiler or wine64 is not installed."
fi
echo "test: Windows suite $((SECONDS - started)) s"
