#!/usr/bin/env bash
# Under Wine: how long nibblor.exe takes to open a 256 MiB file, beside a plain
# read of the same file by a small helper, and the editor's own load of it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${NIBBLOR_BUILD_DIR:-$root/build}"
. "$root/scripts/build-win32.sh"
nibblor_build_runnable "$root" "$build" open_timer nibblor
tree="$NIBBLOR_RUN_TREE"
. "$root/scripts/wine-env.sh"
nibblor_bench_folder "$tree" "$build/bench-open"
printf 'x' >one.bin
wine "$tree/tests/open_timer.exe" "$tree/host/nibblor.exe" 256mib.bin one.bin 2>/dev/null
