#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian machine, when missing.
set -euo pipefail
packages=(cmake ninja-build ccache g++ clang libclang-rt-14-dev libgtest-dev googletest
  nlohmann-json3-dev g++-mingw-w64-x86-64-posix wine64 xvfb xauth fonts-wine
  fonts-ipafont-gothic imagemagick x11-utils ca-certificates libgnutls30 locales python3)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
# The language tests start Wine under these locales.
need_gen=0
for loc in ja_JP en_US de_DE; do
  locale -a 2>/dev/null | grep -qi "^${loc}\.utf-\?8$" && continue
  sed -i "s/^# *\(${loc}\.UTF-8 UTF-8\)/\1/" /etc/locale.gen
  need_gen=1
done
if [ $need_gen = 1 ]; then locale-gen >/dev/null; fi
