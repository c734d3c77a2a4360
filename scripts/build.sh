#!/usr/bin/env bash
# Builds the native tree (portable code, sanitizers) and the Windows tree.
set -euo pipefail
cd "$(dirname "$0")/.."
what=${1:-all}
if [ "$what" = all ] || [ "$what" = native ]; then
  cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKRVL_SANITIZE=ON >/dev/null
  cmake --build build/native
fi
if [ "$what" = all ] || [ "$what" = fuzz ]; then
  CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKRVL_FUZZ=ON >/dev/null
  cmake --build build/fuzz
fi
if [ "$what" = all ] || [ "$what" = win ]; then
  cmake -S . -B build/win -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake >/dev/null
  cmake --build build/win
fi
