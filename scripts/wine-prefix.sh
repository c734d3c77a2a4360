#!/usr/bin/env bash
# Creates the build's Wine prefix when missing and keeps one wineserver alive
# (each Wine process then starts in tens of milliseconds, not most of a second).
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  "$WINE" wineboot -i >/dev/null 2>&1 || true
  "$WINESERVER" -w
  # Japanese glyphs: map the Windows UI fonts to the installed CJK fonts, the
  # proportional ones to the proportional IPA font.
  for font in "MS UI Gothic" "Meiryo" "Meiryo UI" "Yu Gothic UI" "MS PGothic"; do
    "$WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$font" /t REG_SZ /d "IPAPGothic" /f >/dev/null 2>&1
  done
  "$WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "MS Gothic" /t REG_SZ /d "IPAGothic" /f >/dev/null 2>&1
  "$WINESERVER" -w
fi
# GDI+ needs Tahoma; this Wine does not list the fonts of its own data folder,
# so the prefix gets a copy.
fonts_dir="$WINEPREFIX/drive_c/windows/Fonts"
for font in tahoma.ttf tahomabd.ttf; do
  if [ ! -f "$fonts_dir/$font" ] && [ -f "/usr/share/wine/fonts/$font" ]; then
    mkdir -p "$fonts_dir"
    cp "/usr/share/wine/fonts/$font" "$fonts_dir/"
  fi
done
"$WINESERVER" -p 2>/dev/null || true
