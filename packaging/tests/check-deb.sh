#!/usr/bin/env bash
# Installs the Debian package with dpkg into a throwaway root (never the real system) and checks
# it the way a user meets it:
#   check-deb.sh <quorvex_<version>_amd64.deb> <version>
# - its Depends are met by this machine's packages: the throwaway root's dpkg database holds this
#   machine's records of exactly the packages named, so dpkg -i refuses unmet dependencies;
# - the installed desktop entry and AppStream metadata validate, the icons and preference sets
#   are where the program and the icon theme look, the manual page and the MIT licence are there;
# - the program carries the release build's hardening (PIE, relro, bind-now, stack protector,
#   fortified calls);
# - the installed program prints its version (without a display) and the package verifies;
# - dpkg -r leaves none of its files behind.
set -euo pipefail
if [ $# -ne 2 ]; then
    echo "usage: check-deb.sh <package.deb> <version>" >&2
    exit 2
fi
deb=$(realpath "$1") version=$2
for tool in dpkg dpkg-query desktop-file-validate appstreamcli readelf; do
    command -v "$tool" >/dev/null || { echo "check-deb: $tool is not installed" >&2; exit 2; }
done

scratch=$(mktemp -d "${TMPDIR:-/tmp}/quorvex-dpkg.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
root=$scratch/root
admin=$root/var/lib/dpkg
mkdir -p "$admin/info" "$admin/updates" "$root/var/log"
touch "$admin/available"
failures=0
fail() {
    echo "check-deb: FAIL: $*" >&2
    failures=$((failures + 1))
}

[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package's version is not $version"
depends=$(dpkg-deb -f "$deb" Depends)
names=$(printf '%s\n' "$depends" | tr ',|' '\n\n' | sed -E 's/\(.*\)//; s/^ +//; s/ +$//' |
    grep -v '^$' | sort -u)
for name in $names; do
    if dpkg-query -s "$name" >>"$admin/status" 2>/dev/null; then
        echo >>"$admin/status"
        touch "$admin/info/$(dpkg-query -W -f '${binary:Package}' "$name").list"
    fi
done

dpkg_root() { dpkg --root="$root" --log="$root/var/log/dpkg.log" "$@"; }
if ! dpkg_root -i "$deb" >"$scratch/install.log" 2>&1; then
    cat "$scratch/install.log" >&2
    fail "dpkg -i failed"
fi
dpkg_root -V quorvex || fail "the installed files do not match the package's checksums"

applications=$root/usr/share/applications/io.github.quorvex.Quorvex.desktop
metainfo=$root/usr/share/metainfo/io.github.quorvex.Quorvex.metainfo.xml
desktop-file-validate "$applications" || fail "the desktop entry does not validate"
appstreamcli validate --no-net "$metainfo" >"$scratch/appstream.log" 2>&1 ||
    { cat "$scratch/appstream.log" >&2; fail "the AppStream metadata does not validate"; }
grep -q "<release version=\"$version\"" "$metainfo" ||
    fail "the AppStream release entry does not name $version"
icon=$(sed -n 's/^Icon=//p' "$applications")
for size in 16x16 24x24 32x32 48x48 64x64 128x128 256x256; do
    [ -f "$root/usr/share/icons/hicolor/$size/apps/$icon.png" ] || fail "no $size icon $icon.png"
done
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon $icon.svg"
for set in pipeline.js unpipeline.js; do
    [ -f "$root/usr/share/quorvex/$set" ] || fail "the preference set $set is missing"
done
[ -f "$root/usr/share/doc/quorvex/copyright" ] || fail "the copyright file is missing"
grep -q '^License: Expat' "$root/usr/share/doc/quorvex/copyright" ||
    fail "the copyright file does not state the MIT (Expat) licence"
[ -f "$root/usr/share/man/man1/quorvex.1.gz" ] || fail "the manual page is missing"
# The release build's hardening: a position-independent program with read-only relocations
# bound at start, stack protection and fortified C library calls.
binary=$root/usr/bin/quorvex
readelf -d -W "$binary" | grep -q 'FLAGS_1.*PIE' || fail "the program is not position-independent"
readelf -d -W "$binary" | grep -Eq '\(BIND_NOW\)|FLAGS.*NOW' || fail "the program is not bound at start (-z now)"
readelf -l -W "$binary" | grep -q GNU_RELRO || fail "the program has no read-only relocations (-z relro)"
symbols=$(readelf --dyn-syms -W "$binary")
grep -q '__stack_chk_fail' <<<"$symbols" || fail "the program has no stack protection"
grep -q '__[a-z_]*_chk@' <<<"$symbols" || fail "the program calls no fortified C library function"
[ -f "$root/usr/share/doc/quorvex/registry-effects.md" ] ||
    fail "the registry effects table that the manual page names is missing"

printed=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= timeout 20 \
    "$root/usr/bin/quorvex" --version 2>&1) || fail "quorvex --version ended with status $?"
[ "$printed" = "Quorvex $version" ] || fail "quorvex --version printed '$printed'"
# Help and a wrong option are answered as a command-line program would, without a display.
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= timeout 20 "$root/usr/bin/quorvex" --help \
    >"$scratch/help.txt" 2>&1 || fail "quorvex --help ended with status $?"
grep -q -- "--version" "$scratch/help.txt" || fail "quorvex --help printed no usage"
status=0
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= timeout 20 "$root/usr/bin/quorvex" --bogus \
    >"$scratch/bogus.txt" 2>&1 || status=$?
[ "$status" -eq 2 ] || fail "quorvex --bogus ended with status $status, not 2"
grep -q "quorvex --help" "$scratch/bogus.txt" || fail "quorvex --bogus printed no hint"

dpkg_root -r quorvex >"$scratch/remove.log" 2>&1 || { cat "$scratch/remove.log" >&2; fail "dpkg -r failed"; }
left=$(find "$root" -mindepth 1 -path "$root/var" -prune -o -print)
[ -z "$left" ] || fail "dpkg -r left files behind: $left"

if [ $failures -ne 0 ]; then
    echo "check-deb: $failures check(s) failed" >&2
    exit 1
fi
echo "check-deb: the package installs, validates, runs and removes cleanly"
