#!/usr/bin/env bash
# Launch timing against a minimal one-window program, exe size and peak
# working set; not part of the tests. Usage: bench/launch.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh win
scripts/wine-prefix.sh
scripts/with-display.sh scripts/wine-exec.sh build/win/bin/launch_bench.exe "${1:-7}"
