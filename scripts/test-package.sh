#!/usr/bin/env bash
# The packaging stage of the test command: makes every release artefact from the builds that
# the earlier stages left (build/ and build-windows/, see scripts/package.sh --reuse-builds),
# once signed with a throwaway certificate and twice unsigned, and checks them as a user and an
# administrator would meet them:
# - the two unsigned runs give the same bytes (installer, zip, .deb) and SHA256SUMS matches;
# - every signature of the signed run verifies (setup, MSI, the programs in the zip, and, once
#   installed, the program and the uninstaller);
# - the winget manifests validate and carry the release's sums (packaging/winget);
# - the .deb installs into a throwaway root and validates (packaging/tests/check-deb.sh), and
#   lintian reports no error or warning;
# - the zip holds exactly the program's files in one folder;
# - the setup (per-user and per-machine), the MSI (install, upgrade, uninstall) and the zip, in
#   a throwaway Wine prefix (packaging/tests/check-installer.sh).
# Prints its time. Extra environment: as for scripts/package.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
started=$SECONDS
# One time for every run, even if a commit lands while they run.
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || date +%s)}
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
signed=$scratch/signed
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "${QUORVEX_BUILD_DIR:-build}/CMakeCache.txt")
setup=Quorvex-$version-setup.exe
msi=Quorvex-$version-x64.msi
portable=Quorvex-$version-win64.zip
deb=quorvex_${version}_$(dpkg --print-architecture).deb
older_msi=$scratch/older/Quorvex-0.0.1-x64.msi

# A throwaway code-signing certificate, for this run only.
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Quorvex test signing" \
    -addext "extendedKeyUsage=codeSigning" -keyout "$scratch/sign.key" -out "$scratch/sign.pem" \
    >"$scratch/openssl.log" 2>&1 ||
    { cat "$scratch/openssl.log" >&2; echo "test-package: openssl could not make a certificate" >&2; exit 1; }

# The Wine check sets up its prefix while the signed run makes the artefacts, then waits for
# them; its output follows at the end.
QUORVEX_WAIT_FOR_ARTEFACTS=900 QUORVEX_SIGNED_BY=$scratch/sign.pem \
    bash packaging/tests/check-installer.sh "$signed/$setup" "$version" "$signed/$portable" \
    "$signed/$msi" "$older_msi" >"$scratch/installer.log" 2>&1 &
wine_pid=$!

QUORVEX_SIGN_CERT=$scratch/sign.pem QUORVEX_SIGN_KEY=$scratch/sign.key \
    bash scripts/package.sh --reuse-builds --dist "$signed" >"$scratch/signed.log" 2>&1 ||
    { cat "$scratch/signed.log" >&2; echo "test-package: the signed packaging run failed" >&2; exit 1; }
# An older release for the MSI's upgrade: the same files under a lower version.
mkdir -p "$scratch/older/unzipped"
unzip -q "$signed/$portable" -d "$scratch/older/unzipped"
packaging/make-msi.sh "$scratch/older/unzipped/Quorvex-$version-win64" 0.0.1 "$older_msi" \
    >"$scratch/older.log" 2>&1 || { cat "$scratch/older.log" >&2; fail "the older MSI"; }

bash scripts/package.sh --reuse-builds --dist "$dist" >"$scratch/first.log" 2>&1 ||
    { cat "$scratch/first.log" >&2; echo "test-package: scripts/package.sh failed" >&2; exit 1; }
for f in "$setup" "$msi" "$portable" "$deb"; do
    [ -f "$dist/$f" ] || { echo "test-package: $f was not made" >&2; exit 1; }
done

if command -v lintian >/dev/null; then
    lintian --fail-on error,warning -I "$dist/$deb" >"$scratch/lintian.log" 2>&1 &
    lint_pid=$!
else
    echo "test-package: lintian is not installed: the package's lint is not checked"
fi

# The second run differs in what should not matter: the folder, the umask, the clock.
(umask 077 && bash scripts/package.sh --reuse-builds --dist "$scratch/second") \
    >"$scratch/second.log" 2>&1 ||
    { cat "$scratch/second.log" >&2; echo "test-package: the second run failed" >&2; exit 1; }
packaged=$SECONDS

# wixl stamps each MSI's summary with the time it was made: the MSI is compared by its tables.
for f in "$setup" "$portable" "$deb"; do
    cmp -s "$dist/$f" "$scratch/second/$f" || fail "$f differs between two runs from the same builds"
done
for run in "$dist" "$scratch/second"; do
    mkdir -p "$run.tables"
    # Run inside its folder: msidump writes the binary streams into the current one.
    (cd "$run.tables" && msidump -t -d . "$run/$msi" >/dev/null 2>&1) || fail "msidump could not read $msi"
done
diff -r -x _SummaryInformation.idt "$dist.tables" "$scratch/second.tables" >/dev/null ||
    fail "$msi's tables differ between two runs"
for run in "$dist" "$signed"; do
    (cd "$run" && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS does not match the artefacts"
    [ "$(wc -l <"$run/SHA256SUMS")" -eq 4 ] || fail "SHA256SUMS does not list exactly four artefacts"
    python3 packaging/winget/check-manifests.py "$run/winget/$version" "$run/SHA256SUMS" ||
        fail "the winget manifests do not validate"
done

for f in "$setup" "$msi"; do
    osslsigncode verify -CAfile "$scratch/sign.pem" "$signed/$f" >"$scratch/verify.log" 2>&1 ||
        { cat "$scratch/verify.log" >&2; fail "the signature of $f does not verify"; }
    ! osslsigncode verify -CAfile "$scratch/sign.pem" "$dist/$f" >/dev/null 2>&1 ||
        fail "the unsigned run signed $f"
done
mkdir -p "$scratch/unzipped"
unzip -q "$signed/$portable" -d "$scratch/unzipped"
for f in "$scratch/unzipped"/*/*.exe "$scratch/unzipped"/*/*.com; do
    [ -f "$f" ] || continue
    osslsigncode verify -CAfile "$scratch/sign.pem" "$f" >/dev/null 2>&1 ||
        fail "the signature of $(basename "$f") in the zip does not verify"
done

bash packaging/tests/check-deb.sh "$dist/$deb" "$version" || fail "the Debian package"

folder=Quorvex-$version-win64
listing=$(unzip -Z1 "$dist/$portable" | LC_ALL=C sort | tr '\n' ' ')
expected=$( { echo "$folder/"; bash packaging/windows/program-files.sh | sed "s|^|$folder/|"; } |
    LC_ALL=C sort | tr '\n' ' ')
[ "$listing" = "$expected" ] || fail "the zip holds: $listing"

status=0
wait "$wine_pid" || status=$?
wine_pid=""
cat "$scratch/installer.log"
[ $status -eq 0 ] || fail "the Windows installer and MSI"

if [ -n "$lint_pid" ]; then
    status=0
    wait "$lint_pid" || status=$?
    lint_pid=""
    grep -v '^running with root privileges' "$scratch/lintian.log" || true
    [ $status -eq 0 ] || fail "lintian reports errors or warnings"
fi

echo "test-package: the three packaging runs done at $((packaged - started)) s," \
    "stage time $((SECONDS - started)) s"
if [ $failures -ne 0 ]; then
    echo "test-package: $failures check(s) failed" >&2
    exit 1
fi
