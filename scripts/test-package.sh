#!/usr/bin/env bash
# The packaging stage of the test command: makes every release artefact twice from the builds
# that the earlier stages left (build/ and build-windows/, see scripts/package.sh --reuse-builds)
# and checks them as a user would meet them:
# - both runs give the same bytes (installer, zip, .deb) and SHA256SUMS matches them;
# - the .deb installs into a throwaway root and validates (packaging/tests/check-deb.sh), and
#   lintian reports no error or warning;
# - the zip holds exactly the program and the two preference sets in one folder;
# - the installer installs, starts the program and uninstalls in a throwaway Wine prefix, and
#   the program unpacked from the zip starts too (packaging/tests/check-installer.sh).
# Prints its time. Extra environment: as for scripts/package.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
started=$SECONDS
scratch=$(mktemp -d "${TMPDIR:-/tmp}/quorvex-package.XXXXXX")
lint_pid="" wine_pid=""
cleanup() {
    for pid in $lint_pid $wine_pid; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 130' INT TERM
failures=0
fail() {
    echo "test-package: FAIL: $*" >&2
    failures=$((failures + 1))
}

dist=$scratch/first
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "${QUORVEX_BUILD_DIR:-build}/CMakeCache.txt")
setup=$dist/Quorvex-$version-setup.exe
portable=$dist/Quorvex-$version-win64.zip
deb=$dist/quorvex_${version}_$(dpkg --print-architecture).deb

# The Wine check sets up its prefix while the first run makes the artefacts, then waits for
# them; its output follows at the end.
QUORVEX_WAIT_FOR_ARTEFACTS=600 bash packaging/tests/check-installer.sh "$setup" "$version" \
    "$portable" >"$scratch/installer.log" 2>&1 &
wine_pid=$!

bash scripts/package.sh --reuse-builds --dist "$dist" >"$scratch/first.log" 2>&1 ||
    { cat "$scratch/first.log" >&2; echo "test-package: scripts/package.sh failed" >&2; exit 1; }
for f in "$setup" "$portable" "$deb"; do
    [ -f "$f" ] || { echo "test-package: $(basename "$f") was not made" >&2; exit 1; }
done

if command -v lintian >/dev/null; then
    lintian --fail-on error,warning -I "$deb" >"$scratch/lintian.log" 2>&1 &
    lint_pid=$!
else
    echo "test-package: lintian is not installed: the package's lint is not checked"
fi

# The second run differs in what should not matter: the folder, the umask, the clock.
(umask 077 && bash scripts/package.sh --reuse-builds --dist "$scratch/second") \
    >"$scratch/second.log" 2>&1 ||
    { cat "$scratch/second.log" >&2; echo "test-package: the second run failed" >&2; exit 1; }
packaged=$SECONDS

for f in "$setup" "$portable" "$deb"; do
    cmp -s "$f" "$scratch/second/$(basename "$f")" ||
        fail "$(basename "$f") differs between two runs from the same builds"
done
(cd "$dist" && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS does not match the artefacts"
[ "$(wc -l <"$dist/SHA256SUMS")" -eq 3 ] || fail "SHA256SUMS does not list exactly three artefacts"

bash packaging/tests/check-deb.sh "$deb" "$version" || fail "the Debian package"

listing=$(unzip -Z1 "$portable" | LC_ALL=C sort | tr '\n' ' ')
folder=Quorvex-$version-win64
[ "$listing" = "$folder/ $folder/Quorvex.exe $folder/pipeline.js $folder/unpipeline.js " ] ||
    fail "the zip holds: $listing"

status=0
wait "$wine_pid" || status=$?
wine_pid=""
cat "$scratch/installer.log"
[ $status -eq 0 ] || fail "the Windows installer"

if [ -n "$lint_pid" ]; then
    status=0
    wait "$lint_pid" || status=$?
    lint_pid=""
    grep -v '^running with root privileges' "$scratch/lintian.log" || true
    [ $status -eq 0 ] || fail "lintian reports errors or warnings"
fi

echo "test-package: both packaging runs done at $((packaged - started)) s," \
    "stage time $((SECONDS - started)) s"
if [ $failures -ne 0 ]; then
    echo "test-package: $failures check(s) failed" >&2
    exit 1
fi
