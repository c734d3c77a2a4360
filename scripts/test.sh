#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: natively with
# sanitizers, a short fuzz run, then every test under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh all
ctest --test-dir build/native --output-on-failure
scripts/fuzz.sh "${KRVL_FUZZ_SECONDS:-10}"
scripts/wine-prefix.sh
trap 'source scripts/wine-env.sh; "$WINESERVER" -k 2>/dev/null || true' EXIT
scripts/with-display.sh ctest --test-dir build/win --output-on-failure
