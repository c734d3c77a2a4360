#!/usr/bin/env bash
# Start-up to the question, against a minimal message-box program; not part of
# the tests. Usage: bench/question.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh win
scripts/wine-prefix.sh
scripts/with-display.sh scripts/wine-exec.sh build/win/bin/question_bench.exe "${1:-7}"
