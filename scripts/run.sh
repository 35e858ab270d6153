#!/usr/bin/env bash
# Set-up, build and start Quorvex.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/build.sh
exec "${QUORVEX_BUILD_DIR:-build}/src/app/quorvex"
