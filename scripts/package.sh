#!/usr/bin/env bash
# Builds the release artefacts into dist/ (or --dist DIR), all with the CMake project version:
#   Quorvex-<version>-setup.exe   the Windows installer (NSIS, per-user or per-machine)
#   Quorvex-<version>-x64.msi     the Windows Installer package (per-machine)
#   Quorvex-<version>-win64.zip   the portable Windows program
#   quorvex_<version>_amd64.deb   the Debian package
#   SHA256SUMS                    the SHA-256 sum of each
#   winget/<version>/             the winget manifests for the setup and the MSI
# The Windows packages all hold the files that packaging/windows/program-files.txt lists.
# With a certificate named in QUORVEX_SIGN_CERT (see packaging/sign.sh) the Windows programs,
# the uninstaller, the setup and the MSI are signed. QUORVEX_RELEASE_URL is where the Windows
# packages will be downloaded from (the winget manifests name it).
# By default it makes its own release builds in build-package/ (native with Debian's hardening
# flags, and the mingw-w64 cross build). --reuse-builds packages the builds in build/ and
# build-windows/ (or $QUORVEX_BUILD_DIR, $QUORVEX_WINDOWS_BUILD_DIR) as they stand, as the test
# command does. $QUORVEX_WINDOWS_EXE names a Quorvex.exe built elsewhere instead.
# Times inside the artefacts are SOURCE_DATE_EPOCH, by default the time of the last commit, so
# that the same commit gives the same zip and .deb.
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD
usage() { echo "usage: package.sh [--reuse-builds] [--dist DIR]" >&2; exit 2; }
reuse=0
dist=dist
while [ $# -gt 0 ]; do
    case $1 in
        --reuse-builds) reuse=1 ;;
        --dist) [ $# -ge 2 ] || usage; dist=$2; shift ;;
        *) usage ;;
    esac
    shift
done
for tool in cmake makensis wixl zip dpkg-deb dpkg-shlibdeps sha256sum x86_64-w64-mingw32-strip python3; do
    command -v "$tool" >/dev/null ||
        { echo "package: $tool is missing (bash scripts/deps.sh installs it)" >&2; exit 2; }
done
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null || date +%s)
fi
export SOURCE_DATE_EPOCH
started=$SECONDS

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
if [ $reuse -eq 1 ]; then
    native=${QUORVEX_BUILD_DIR:-build}
    windows=${QUORVEX_WINDOWS_BUILD_DIR:-build-windows}
    [ -f "$native/CMakeCache.txt" ] ||
        { echo "package: $native is not configured (bash scripts/build.sh)" >&2; exit 2; }
else
    native=build-package/native
    windows=build-package/windows
    # Debian's hardening flags; source paths mapped away so that builds in any folder agree.
    export DEB_BUILD_MAINT_OPTIONS=hardening=+all
    flags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
    flags="$flags -ffile-prefix-map=$source_dir=."
    cmake -S . -B "$native" -G Ninja -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" \
        -DQUORVEX_BUILD_TESTS=OFF -DQUORVEX_BUILD_BENCH=OFF \
        "-DCMAKE_CXX_FLAGS=$flags" "-DCMAKE_EXE_LINKER_FLAGS=$(dpkg-buildflags --get LDFLAGS)" \
        >/dev/null
fi
cmake --build "$native" --parallel "$(nproc)" --target quorvex quorvex_icons quorvex_svg2png
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$native/CMakeCache.txt")
[ -n "$version" ] || { echo "package: no project version in $native/CMakeCache.txt" >&2; exit 1; }

if [ -n "${QUORVEX_WINDOWS_EXE:-}" ]; then
    icon=""
else
    if [ $reuse -eq 0 ]; then
        cmake -S . -B "$windows" -G Ninja -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" \
            -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-w64-x86_64.cmake \
            -DQUORVEX_BUILD_TESTS=OFF "-DQUORVEX_SVG2PNG=$source_dir/$native/tools/svg2png/quorvex_svg2png" \
            "-DCMAKE_CXX_FLAGS=-ffile-prefix-map=$source_dir=." >/dev/null
    fi
    [ -f "$windows/CMakeCache.txt" ] ||
        { echo "package: $windows is not configured (bash scripts/test-windows.sh)" >&2; exit 2; }
    # Every program of the Windows build (the release build makes no tests).
    if [ $reuse -eq 1 ]; then
        cmake --build "$windows" --parallel "$(nproc)" --target Quorvex
    else
        cmake --build "$windows" --parallel "$(nproc)"
    fi
    windows_version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$windows/CMakeCache.txt")
    [ "$windows_version" = "$version" ] ||
        { echo "package: $windows is version $windows_version, $native is $version" >&2; exit 1; }
    icon=$(find "$windows" -name quorvex.ico -type f -print -quit)
fi
built=$SECONDS

# Made beside dist/ and moved in whole, so that dist/ never holds a half-made set.
mkdir -p "$dist"
dist=$(realpath "$dist")
work=$(mktemp -d "$dist/.package.XXXXXX")
trap 'rm -rf "$work"' EXIT
setup=Quorvex-$version-setup.exe
msi=Quorvex-$version-x64.msi
portable=Quorvex-$version-win64.zip
deb=quorvex_${version}_$(dpkg --print-architecture).deb
signing=0
[ -z "${QUORVEX_SIGN_CERT:-}" ] || signing=1

# The Windows program's files, gathered by name: programs from the Windows build (shipped
# without debugging sections; strip writes SOURCE_DATE_EPOCH as the header's time stamp), the
# Firefox preference sets, the licence with Windows line ends.
program=$work/program
mkdir "$program"
while read -r name; do
    case $name in
        *.exe | *.com)
            from=""
            if [ "$name" = Quorvex.exe ] && [ -n "${QUORVEX_WINDOWS_EXE:-}" ]; then
                from=$(realpath "$QUORVEX_WINDOWS_EXE")
            else
                from=$(find "$windows" -name "$name" -type f -print -quit)
            fi
            [ -f "$from" ] || { echo "package: the Windows build made no $name" >&2; exit 1; }
            x86_64-w64-mingw32-strip -o "$program/$name" "$from"
            [ $signing -eq 0 ] || bash packaging/sign.sh "$program/$name"
            ;;
        *.js) cp "src/browser/$name" "$program/$name" ;;
        LICENSE.txt) sed 's/$/\r/' LICENSE >"$program/$name" ;;
        *) echo "package: no rule gathers $name" >&2; exit 1 ;;
    esac
done < <(bash packaging/windows/program-files.sh)

packaging/make-installer.sh "$program" "$version" "$work/$setup" ${icon:+"$icon"}
packaging/make-msi.sh "$program" "$version" "$work/$msi" ${icon:+"$icon"}
[ $signing -eq 0 ] || bash packaging/sign.sh "$work/$setup" "$work/$msi"
packaging/make-zip.sh "$program" "$version" "$work/$portable"
packaging/make-deb.sh "$native" "$version" "$work/$deb"
(cd "$work" && sha256sum "$setup" "$msi" "$portable" "$deb" >SHA256SUMS)
python3 packaging/winget/make-manifests.py --version "$version" --sums "$work/SHA256SUMS" \
    --setup "$setup" --msi "$msi" --out "$work/winget" \
    ${QUORVEX_RELEASE_URL:+--url "$QUORVEX_RELEASE_URL"}
rm -rf "$dist/winget/$version"
mkdir -p "$dist/winget"
mv "$work/winget/$version" "$dist/winget/$version"
for f in "$setup" "$msi" "$portable" "$deb" SHA256SUMS; do mv -f "$work/$f" "$dist/$f"; done
echo "package: $version into $dist (builds $((built - started)) s, artefacts $((SECONDS - built)) s)"
(cd "$dist" && cat SHA256SUMS)
