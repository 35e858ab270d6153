#!/usr/bin/env bash
# Set-up, build with warnings as errors, and run the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
build=${QUORVEX_BUILD_DIR:-build}
bash scripts/build.sh -DQUORVEX_WERROR=ON
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)" --timeout 120

# The same core suite and the Win32 backends, as Windows executables under Wine.
if command -v x86_64-w64-mingw32-g++-posix >/dev/null &&
    { command -v wine64 >/dev/null || [ -x /usr/lib/wine/wine64 ]; }; then
    bash scripts/test-windows.sh
else
    echo "Skipping the Windows tests: the mingw-w64 cross compiler or wine64 is not installed."
fi

# The release artefacts as scripts/package.sh makes them from the builds above, each checked as a
# user meets it (installer under Wine, .deb in a throwaway root, the same bytes twice).
if [ -f "${QUORVEX_WINDOWS_BUILD_DIR:-build-windows}/CMakeCache.txt" ] && command -v makensis >/dev/null &&
    command -v Xvfb >/dev/null; then
    bash scripts/test-package.sh
else
    echo "Skipping the packaging tests: no Windows build, or nsis or Xvfb is not installed."
fi
