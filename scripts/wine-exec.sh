#!/usr/bin/env bash
# Runs one Windows program under the build's Wine prefix (CTest's emulator).
source "$(dirname "$0")/wine-env.sh"
exec "$WINE" "$@"
