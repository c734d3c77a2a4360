#!/usr/bin/env bash
# Runs a command with an X display: the current one, or a fresh Xvfb.
# Wine's desktop process is started first, with its output to /dev/null:
# started by a test instead, it inherits the test's output pipe, lives on, and
# CTest waits for that pipe forever.
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$(realpath "$0")" "$@"
fi
source "$(dirname "$(realpath "$0")")/wine-env.sh"
"$WINE" rundll32.exe user32.dll,GetDesktopWindow </dev/null >/dev/null 2>&1 || true
exec "$@"
