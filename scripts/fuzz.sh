#!/usr/bin/env bash
# Builds the libFuzzer targets (tests/fuzz, clang with ASan and UBSan) into
# build/fuzz and runs each for the given seconds (default 60), starting from
# its committed seeds. Fails when any target finds something; the input is
# kept under build/fuzz/artifacts/<target>/.
#   bash scripts/fuzz.sh [seconds]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${NIBBLOR_BUILD_DIR:-$root/build}/fuzz"
seconds="${1:-60}"
case "$seconds" in
  '' | *[!0-9]*) echo "fuzz: seconds must be a whole number, not '$seconds'" >&2; exit 2 ;;
esac

[ -n "${NIBBLOR_DEPS_CHECKED:-}" ] || "$root/scripts/install-deps.sh"
CC=clang CXX=clang++ cmake -S "$root/tests/fuzz" -B "$build" >/dev/null
cmake --build "$build" -j "$(nproc)"

status=0
while read -r target longest_input; do
  [ -n "$target" ] || continue
  seeds="$root/tests/fuzz/corpus/$target"
  if [ ! -d "$seeds" ]; then
    echo "fuzz: $target has no seeds in tests/fuzz/corpus/$target" >&2
    status=1
    continue
  fi
  # The corpus grows in the build folder; the committed seeds stay as they are.
  corpus="$build/corpus/$target"
  work="$build/work/$target"
  artifacts="$build/artifacts/$target"
  mkdir -p "$corpus" "$work" "$artifacts"
  cp -n "$seeds"/* "$corpus"/
  log="$build/$target.log"
  if (cd "$work" && "$build/$target" -max_total_time="$seconds" -max_len="$longest_input" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$artifacts/" "$corpus" >"$log" 2>&1); then
    runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
    echo "fuzz: $target: ${runs:-?} runs in ${seconds}s, nothing found"
  else
    echo "fuzz: $target FOUND something (inputs in $artifacts); the end of $log:" >&2
    tail -n 40 "$log" >&2
    status=1
  fi
  rm -rf "$work"
done <"$build/fuzz-targets.txt"
exit "$status"
