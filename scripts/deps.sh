#!/usr/bin/env bash
# Installs, from Debian's packages, whatever of the build and test tools is missing:
#   deps.sh           everything the build, the tests and the packaging use
#   deps.sh --build   only what building the program needs (scripts/run.sh)
set -euo pipefail

build=(
  build-essential cmake ninja-build pkg-config ccache
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev zlib1g-dev
)
rest=(
  clang-format-14
  libgtest-dev libgmock-dev libbenchmark-dev
  desktop-file-utils appstream
  xvfb xdotool x11-utils imagemagick fonts-dejavu-core fonts-wine python3
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 lld libz-mingw-w64-dev wine64 wine
  clang libclang-rt-14-dev
  nsis zip unzip dpkg-dev fakeroot lintian
  msitools wixl osslsigncode openssl python3-jsonschema python3-yaml
)
case ${1:-} in
  --build) packages=("${build[@]}") ;;
  "") packages=("${build[@]}" "${rest[@]}") ;;
  *) echo "usage: deps.sh [--build]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
