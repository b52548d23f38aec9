#!/usr/bin/env bash
# Installs what is missing, builds the Win32 tree and runs the editor under Wine.
#
#   bash scripts/run.sh [file]       the editor (nibblor.exe) on the file, or on
#                                    build/example.bin, made here, when none is given
#   bash scripts/run.sh --host       the test host (nibblor_testhost.exe), run in
#                                    build/host-run, which holds a test.exe to edit
#
# With DISPLAY set the window opens there and the script waits for it to close.
# Without DISPLAY it runs under Xvfb, takes a screenshot after a few seconds
# (build/screenshot.png, or NIBBLOR_SCREENSHOT), closes the program and says
# where the screenshot is.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${NIBBLOR_BUILD_DIR:-$root/build}"

mode=editor
file=""
case "${1:-}" in
  --host) mode=host ;;
  -h|--help) sed -n '2,13p' "$0"; exit 0 ;;
  "") ;;
  *) file="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")" ;;
esac

. "$root/scripts/build-win32.sh"
nibblor_build_runnable "$root" "$build" nibblor nibblor_testhost
tree="$NIBBLOR_RUN_TREE"

headless=0
[ -z "${DISPLAY:-}" ] && headless=1
. "$root/scripts/wine-env.sh"
trap nibblor_wine_teardown EXIT
nibblor_wine_setup "$tree"

if [ "$mode" = host ]; then
  run_dir="$build/host-run"
  mkdir -p "$run_dir"
  # The host always edits test.exe in its current folder: a copy of the editor itself.
  [ -f "$run_dir/test.exe" ] || cp "$tree/host/nibblor.exe" "$run_dir/test.exe"
  program="$tree/host/nibblor_testhost.exe"
  args=()
else
  if [ -z "$file" ]; then
    file="$build/example.bin"
    # Every byte value once, then some text and the editor's own first bytes.
    if [ ! -f "$file" ]; then
      {
        for i in $(seq 0 255); do printf "\\$(printf '%03o' "$i")"; done
        for i in 1 2 3 4; do printf 'Nibblor example file.\r\n'; done
      } >"$file"
      head -c 1024 "$tree/host/nibblor.exe" >>"$file"
    fi
  fi
  run_dir="$(dirname "$file")"
  program="$tree/host/nibblor.exe"
  args=("$(winepath -w "$file" 2>/dev/null || echo "$file")")
fi

cd "$run_dir"
if [ "$headless" = 0 ]; then
  wine "$program" "${args[@]}"
  exit 0
fi

shot="${NIBBLOR_SCREENSHOT:-$build/screenshot.png}"
wine "$program" "${args[@]}" &
pid=$!
sleep "${NIBBLOR_SCREENSHOT_DELAY:-6}"
import -window root -display "$DISPLAY" "$shot"
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
echo "Screenshot: $shot"
