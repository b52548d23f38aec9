#!/usr/bin/env bash
# Builds the native tree optimised, without sanitizers, and runs the benchmarks:
# loading 256 MiB beside a plain read, the codec on 1 MiB, cursor moves on small
# and large documents, insertion and deletion beside memmove, Find beside memmem;
# then the structure engine: the format library loaded, a table of records as JSON.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${NIBBLOR_BUILD_DIR:-$root/build}/bench"
[ -n "${NIBBLOR_DEPS_CHECKED:-}" ] || "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DNIBBLOR_SANITIZE=OFF -DNIBBLOR_BENCHMARKS=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target core_bench structure_bench
# The benchmark writes its 256 MiB sample into the build folder and removes it.
cd "$build"
./tests/bench/core_bench "$@"
./tests/bench/structure_bench "$@"
