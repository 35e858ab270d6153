#!/usr/bin/env bash
# Puts Wine's own Tahoma, Tahoma Bold and Marlett (Debian's fonts-wine) into the Windows font
# folder of the prefix $WINEPREFIX, after its wineboot: without them this Wine draws "Tahoma" in
# DejaVu Sans, about 13 % wider, and captions clip in tests and screenshots that fit on Windows.
# (From this folder this Wine draws Tahoma Bold with the regular glyphs at the bold advances, so
# bold captions look spaced out on screen; their measures, which the tests take, are right.)
# Missing fonts are reported, not fatal: the caption test then says why it cannot measure.
# Text is smoothed as on Windows (ClearType) where the font allows it.
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

loader=${WINELOADER:-$(command -v wine64 || echo /usr/lib/wine/wine64)}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree=;mshtml=;winemenubuilder.exe=d"}
# One process for all four values: each Wine process start costs a second or more.
settings=$(mktemp "${TMPDIR:-/tmp}/quorvex-smoothing.XXXXXX.reg")
printf '%s\r\n' REGEDIT4 '' '[HKEY_CURRENT_USER\Control Panel\Desktop]' '"FontSmoothing"="2"' \
    '"FontSmoothingType"=dword:00000002' '"FontSmoothingOrientation"=dword:00000001' \
    '"FontSmoothingGamma"=dword:00000578' >"$settings"
timeout 60 "$loader" regedit /S "Z:${settings//\//\\}" >/dev/null 2>&1 ||
    echo "wine-fonts: could not turn on font smoothing" >&2
rm -f "$settings"
