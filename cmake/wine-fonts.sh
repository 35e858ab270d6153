#!/usr/bin/env bash
# Puts Wine's own Tahoma, Tahoma Bold and Marlett (Debian's fonts-wine) into the Windows font
# folder of the prefix $WINEPREFIX, after its wineboot: without them this Wine draws "Tahoma" in
# DejaVu Sans, about 13 % wider, and captions clip in tests and screenshots that fit on Windows.
# Missing fonts are reported, not fatal: the caption test then says why it cannot measure.
set -euo pipefail
source_dir=${QUORVEX_WINE_FONTS:-/usr/share/wine/fonts}
target="${WINEPREFIX:?}/drive_c/windows/Fonts"
mkdir -p "$target"
for font in tahoma.ttf tahomabd.ttf marlett.ttf; do
    if [ -f "$source_dir/$font" ]; then
        cp -f "$source_dir/$font" "$target/$font"
    else
        echo "wine-fonts: $source_dir/$font is missing (install fonts-wine)" >&2
    fi
done
