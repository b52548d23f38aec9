#!/usr/bin/env bash
# Installs what is missing, builds the native (sanitized) and the Win32 trees,
# runs each fuzz target briefly, and runs every test: the native ones
# directly, the Win32 ones under Wine.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${NIBBLOR_BUILD_DIR:-$root/build}"
jobs="$(nproc)"

. "$root/scripts/build-win32.sh"
# The program itself, 32-bit; and the tree Wine runs here (the same one, or
# its 64-bit build where this kernel runs no 32-bit programs).
nibblor_build_win32 "$root" "$build/win32"
nibblor_build_runnable "$root" "$build"

cmake -S "$root" -B "$build/native" -DCMAKE_BUILD_TYPE=Debug -DNIBBLOR_SANITIZE=ON \
  -DNIBBLOR_WIN32_TESTS_DIR="$NIBBLOR_RUN_TREE" >/dev/null
cmake --build "$build/native" -j "$jobs"

# A few seconds of each fuzz target from its committed seeds.
NIBBLOR_BUILD_DIR="$build" bash "$root/scripts/fuzz.sh" 5

. "$root/scripts/wine-env.sh"
trap nibblor_wine_teardown EXIT
nibblor_wine_setup "$NIBBLOR_RUN_TREE"

if [ "$NIBBLOR_RUN_TREE" != "$build/win32" ]; then
  # Not run under Wine here, but still checked: portable PE32 images.
  ctest --test-dir "$build/win32" --output-on-failure -R _is_portable_pe32
fi

cd "$build/native"
ctest --output-on-failure -j "$jobs" --timeout 900 -LE opt-in
