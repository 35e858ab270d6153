#!/usr/bin/env bash
# Set-up, then every stage of the test command, each printing its time: formatting, the native
# build (warnings as errors) and suite, the core suite under AddressSanitizer and UBSan with the
# fuzzers, and the Windows suites under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
build=${QUORVEX_BUILD_DIR:-build}
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# The test targets use precompiled headers, which ccache caches only when told that their
# defines and time macros do not matter.
export CCACHE_SLOPPINESS=pch_defines,time_macros

started=$SECONDS
bash scripts/check-format.sh
echo "test: formatting $((SECONDS - started)) s"

started=$SECONDS
bash scripts/build.sh -DQUORVEX_WERROR=ON "${launcher[@]}"
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)" --timeout 120
echo "test: native build and suite $((SECONDS - started)) s"

# Faults that show only as a crash or a stray read (parsers, decoders, the meter's arithmetic)
# fail here: the core suite built with clang under AddressSanitizer and UBSan, then every
# parser fuzzed briefly.
bash scripts/test-clang.sh 10

# The same core suite and the Win32 backends, as Windows executables under Wine.
started=$SECONDS
if command -v x86_64-w64-mingw32-g++-posix >/dev/null &&
    { command -v wine64 >/dev/null || [ -x /usr/lib/wine/wine64 ]; }; then
    bash scripts/test-windows.sh
else
    echo "Skipping the Windows tests: the mingw-w64 cross compiler or wine64 is not installed."
fi
echo "test: Windows suite $((SECONDS - started)) s"

# The release artefacts as scripts/package.sh makes them from the builds above, each checked as a
# user meets it (installer under Wine, .deb in a throwaway root, the same bytes twice).
started=$SECONDS
if [ -f "${QUORVEX_WINDOWS_BUILD_DIR:-build-windows}/CMakeCache.txt" ] && command -v makensis >/dev/null &&
    command -v Xvfb >/dev/null; then
    bash scripts/test-package.sh
else
    echo "Skipping the packaging tests: no Windows build, or nsis or Xvfb is not installed."
fi
echo "test: packaging $((SECONDS - started)) s"
