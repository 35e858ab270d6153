#!/usr/bin/env bash
# Set-up, build with warnings as errors, and run the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
build=${QUORVEX_BUILD_DIR:-build}
bash scripts/build.sh -DQUORVEX_WERROR=ON
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)" --timeout 120
