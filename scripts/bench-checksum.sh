#!/usr/bin/env bash
# SHA-256 of 256 MiB: the Checksums dialog's sum under Wine beside Linux's
# sha256sum on the same file, each the median of three runs, file cached.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${NIBBLOR_BUILD_DIR:-$root/build}"
. "$root/scripts/build-win32.sh"
nibblor_build_runnable "$root" "$build" checksum_timer
tree="$NIBBLOR_RUN_TREE"
. "$root/scripts/wine-env.sh"
nibblor_bench_folder "$tree" "$build/bench-checksum"
linux_times=()
for _ in 1 2 3; do
  start=$(date +%s%N)
  linux_sum=$(sha256sum 256mib.bin | cut -d' ' -f1)
  linux_times+=($(( ($(date +%s%N) - start) / 1000000 )))
done
linux_ms=$(printf '%s\n' "${linux_times[@]}" | sort -n | sed -n 2p)
mapfile -t wine_out < <(wine "$tree/tests/checksum_timer.exe" 256mib.bin 2>/dev/null | tr -d '\r')
[ "${wine_out[0]}" = "$linux_sum" ] || { echo "the sums differ: ${wine_out[0]} $linux_sum" >&2; exit 1; }
echo "sha256sum (Linux):         ${linux_ms} ms"
echo "Checksums SHA-256 (Wine):  ${wine_out[1]} ms"
awk -v w="${wine_out[1]}" -v l="$linux_ms" 'BEGIN { printf "ratio: %.2f\n", w / l }'
