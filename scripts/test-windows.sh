#!/usr/bin/env bash
# Cross-builds Quorvex.exe, the core and the test suites as Windows executables (mingw-w64)
# into build-windows/ (or $QUORVEX_WINDOWS_BUILD_DIR) and runs them under Wine, headless, in a
# throwaway Wine prefix and home folder that are removed afterwards; then the program end to
# end (scripts/e2e-windows.sh, on a virtual display in a prefix of its own) and the console
# program from cmd.exe (scripts/cli-windows.sh) and the window's writes split between the user's
# process and an elevated quorvex.com (scripts/elevation-windows.sh). Extra arguments go
# to CMake. Fails on any build or test failure. The icon resource needs the native build's
# quorvex_svg2png (build/ or $QUORVEX_BUILD_DIR; or name it in $QUORVEX_SVG2PNG).
set -euo pipefail
[ -z "${QUORVEX_SVG2PNG:-}" ] || QUORVEX_SVG2PNG=$(realpath -m "$QUORVEX_SVG2PNG")
cd "$(dirname "$0")/.."
build=${QUORVEX_WINDOWS_BUILD_DIR:-build-windows}

wine_server=$(command -v wineserver64 || command -v wineserver || true)
for candidate in /usr/lib/wine/wineserver64 /usr/lib/wine/wineserver; do
    [ -n "$wine_server" ] || [ ! -x "$candidate" ] || wine_server=$candidate
done
if ! command -v x86_64-w64-mingw32-g++-posix >/dev/null || [ -z "$wine_server" ]; then
    echo "test-windows: needs g++-mingw-w64-x86-64-posix and wine64 (scripts/deps.sh installs them)" >&2
    exit 2
fi

# The icon resource is rendered by the native build's SVG renderer (scripts/test.sh builds
# it first).
renderer=${QUORVEX_SVG2PNG:-$PWD/${QUORVEX_BUILD_DIR:-build}/tools/svg2png/quorvex_svg2png}
if [ ! -x "$renderer" ]; then
    echo "test-windows: the icon renderer $renderer is missing: build the native program first" \
        "(bash scripts/build.sh) or name the renderer in QUORVEX_SVG2PNG" >&2
    exit 2
fi

started=$SECONDS
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE:-RelWithDebInfo} \
    -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-w64-x86_64.cmake -DQUORVEX_WERROR=ON \
    -DQUORVEX_SVG2PNG="$renderer" "$@" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
built=$SECONDS

# One throwaway prefix and home folder for the whole suite (cmake/wine-run.sh, the emulator
# CTest uses, keeps Wine headless and away from the machine's own set-up).
scratch=$(mktemp -d "${TMPDIR:-/tmp}/quorvex-wine.XXXXXX")
export WINEPREFIX="$scratch/prefix" HOME="$scratch/home"
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME
mkdir -p "$HOME"
cleanup() {
    "$wine_server" -k >/dev/null 2>&1 || true
    rm -rf "$scratch"
}
trap cleanup EXIT

if ! timeout 180 cmake/wine-run.sh wineboot --init >"$scratch/wineboot.log" 2>&1; then
    echo "test-windows: creating the Wine prefix failed:" >&2
    cat "$scratch/wineboot.log" >&2
    exit 1
fi
# Wine's own Tahoma, so that text measures as on Windows.
cmake/wine-fonts.sh

status=0
ctest --test-dir "$build" --output-on-failure --timeout 300 || status=$?
# gtest's own counts of the cases that ran under Wine, over every test executable.
awk '/^\[==========\] [0-9]+ tests? from .* ran\./ { ran += $2 }
     /^\[  PASSED  \] [0-9]+ tests?\./ { passed += $4 }
     /^\[  SKIPPED \] [0-9]+ tests?[,.]/ { skipped += $4 }
     END { if (ran) printf "test-windows: %d passed, %d failed, %d skipped\n",
                           passed, ran - passed - skipped, skipped }' \
    "$build/Testing/Temporary/LastTest.log" 2>/dev/null || true
tested=$SECONDS
timeout 480 bash scripts/e2e-windows.sh "$build" || status=$?
# The console program from cmd.exe, in prefixes of its own.
timeout 120 bash scripts/cli-windows.sh "$build" || status=$?
# The writes that need administrator rights, handed to quorvex.com started elevated.
timeout 120 bash scripts/elevation-windows.sh "$build" || status=$?
echo "test-windows: build $((built - started)) s, Wine and tests $((tested - built)) s," \
    "end to end $((SECONDS - tested)) s, in all $((SECONDS - started)) s"
exit $status
