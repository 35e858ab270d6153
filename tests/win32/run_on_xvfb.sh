#!/usr/bin/env bash
# Runs a Windows test executable under Wine on a virtual X display of its own: this Wine creates
# no top-level window without a display. The rest is cmake/wine-run.sh's: a throwaway prefix
# unless the caller names one, never ~/.wine.
set -euo pipefail
export QUORVEX_WINE_ON_DISPLAY=1
exec timeout 600 xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" \
    "$(dirname "$(realpath "$0")")/../../cmake/wine-run.sh" "$@"
