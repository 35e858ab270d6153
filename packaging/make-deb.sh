#!/usr/bin/env bash
# Builds the Debian package from a native build folder:
#   make-deb.sh <native build folder> <version> <out.deb>
# The build's install rules give the program, the preference sets, the desktop entry, the
# AppStream metadata, the manual page and the icons under /usr; this compresses the manual page
# and adds the copyright and
# changelog files, the table of which Windows versions read each tuning value (the manual page
# points to it), and a control file whose Depends dpkg-shlibdeps computes from the program's
# libraries. Byte for byte the same from the same build: fixed modes, owners and times
# (SOURCE_DATE_EPOCH), sorted entries, no compressor time stamps.
set -euo pipefail
if [ $# -ne 3 ]; then
    echo "usage: make-deb.sh <native build folder> <version> <out.deb>" >&2
    exit 2
fi
build=$(realpath "$1") version=$2 out=$(realpath -m "$3")
here=$(cd "$(dirname "$0")" && pwd)
for tool in dpkg-deb dpkg-shlibdeps; do
    command -v "$tool" >/dev/null || { echo "make-deb: $tool (dpkg-dev) is missing" >&2; exit 2; }
done
[ -x "$build/src/app/quorvex" ] || { echo "make-deb: $build holds no built quorvex" >&2; exit 2; }
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(date +%s)}
export TZ=UTC LC_ALL=C

scratch=$(mktemp -d "${TMPDIR:-/tmp}/quorvex-deb.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
root=$scratch/root
umask 022
DESTDIR=$root cmake --install "$build" --prefix /usr >"$scratch/install.log" ||
    { cat "$scratch/install.log" >&2; exit 1; }
# As dh_strip does: no symbols, no compiler notes.
strip --remove-section=.comment --remove-section=.note "$root/usr/bin/quorvex"

fill() {  # template -> stdout, with @VERSION@ and @DATE@ filled in
    sed -e "s/@VERSION@/$version/g" -e "s/@DATE@/$2/g" "$1"
}
doc=$root/usr/share/doc/quorvex
mkdir -p "$doc"
install -m 644 "$here/debian/copyright" "$doc/copyright"
install -m 644 "$here/../docs/registry-effects.md" "$doc/registry-effects.md"
fill "$here/debian/changelog.in" "$(date -u -d "@$SOURCE_DATE_EPOCH" -R)" | gzip -9n >"$doc/changelog.gz"
man=$root/usr/share/man/man1/quorvex.1
[ -f "$man" ] || { echo "make-deb: the build installed no manual page" >&2; exit 1; }
gzip -9n "$man"

# dpkg-shlibdeps reads the package list from a debian/control in the folder it runs in.
mkdir -p "$scratch/src/debian"
printf 'Source: quorvex\n\nPackage: quorvex\nArchitecture: any\n' >"$scratch/src/debian/control"
depends=$(cd "$scratch/src" && dpkg-shlibdeps -O -e"$root/usr/bin/quorvex" 2>"$scratch/shlibdeps.log" |
    sed -n 's/^shlibs:Depends=//p') || { cat "$scratch/shlibdeps.log" >&2; exit 1; }
[ -n "$depends" ] || { echo "make-deb: dpkg-shlibdeps found no dependencies" >&2; exit 1; }

find "$root" -type d -exec chmod 755 {} +
find "$root" -type f -exec chmod 644 {} +
chmod 755 "$root/usr/bin/quorvex"
# As dpkg-gencontrol counts it: kibibytes per file, rounded up, and one per folder.
installed_size=$(find "$root" -mindepth 1 \( -type f -printf '%s\n' -o -printf '1024\n' \) |
    awk '{ kib += int(($1 + 1023) / 1024) } END { print kib }')
mkdir -p "$root/DEBIAN"
sed -e "s/@VERSION@/$version/" -e "s/@ARCHITECTURE@/$(dpkg --print-architecture)/" \
    -e "s/@INSTALLED_SIZE@/$installed_size/" -e "s/@DEPENDS@/$depends/" \
    "$here/debian/control.in" >"$root/DEBIAN/control"
(cd "$root" && find usr -type f -print0 | LC_ALL=C sort -z | xargs -0 md5sum) >"$root/DEBIAN/md5sums"
chmod 644 "$root/DEBIAN/control" "$root/DEBIAN/md5sums"
find "$root" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +

mkdir -p "$(dirname "$out")"
dpkg-deb --root-owner-group -Zxz --build "$root" "$out.part" >/dev/null
mv -f "$out.part" "$out"
