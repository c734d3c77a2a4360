#!/usr/bin/env bash
# Installs what is missing, builds, and starts the tool in GUI mode under Wine.
# Without a display it runs on Xvfb, saves a screenshot of the screen once the
# main window is up, prints the screenshot's path and ends the tool.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh win
scripts/wine-prefix.sh
source scripts/wine-env.sh
exe=build/win/bin/krvl-scheme.exe
caption="Register KRVL SCHEME"

if [ -n "${DISPLAY:-}" ]; then
  exec "$WINE" "$exe" dummy
fi

shot="$PWD/build/screenshot.png"
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb_pid=$!
trap '"$WINESERVER" -k 2>/dev/null || true; kill $xvfb_pid 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
# The desktop process first, with no inherited output (see with-display.sh).
"$WINE" rundll32.exe user32.dll,GetDesktopWindow </dev/null >/dev/null 2>&1 || true
"$WINE" "$exe" dummy </dev/null >/dev/null 2>&1 &
for _ in $(seq 150); do
  xwininfo -root -tree 2>/dev/null | grep -q "\"$caption\"" && break
  sleep 0.2
done
sleep 2  # let the start question settle over the window
import -window root "$shot"
echo "Screenshot of the main window: $shot"
