#!/usr/bin/env bash
# Installs what is missing, builds the Win32 tree and reports what it built.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${NIBBLOR_BUILD_DIR:-$root/build}"
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build/win32" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-i686-mingw.cmake" \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build/win32" -j "$(nproc)"
echo "Built (PE32, i386, runs alone on Windows):"
find "$build/win32" -maxdepth 3 -name '*.exe' -not -path '*/CMakeFiles/*' -exec file {} \;
