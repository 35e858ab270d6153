#!/usr/bin/env bash
# Set-up, build with warnings as errors, and run the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
build=${QUORVEX_BUILD_DIR:-build}
bash scripts/build.sh -DQUORVEX_WERROR=ON
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)" --timeout 120

# The core suite again built with clang and the sanitizers, then every parser fuzzed briefly.
bash scripts/test-clang.sh 20

# The same core suite and the Win32 backends, as Windows executables under Wine.
if command -v x86_64-w64-mingw32-g++-posix >/dev/null &&
    { command -v wine64 >/dev/null || [ -x /usr/lib/wine/wine64 ]; }; then
    bash scripts/test-windows.sh
else
    echo "Skipping the Windows tests: the mingw-w64 cross compiler or wine64 is not installed."
fi
