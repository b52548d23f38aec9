#!/usr/bin/env bash
# Pictures of the editor for the README: nibblor.exe on a real binary file (the
# built nibblor.exe itself) under Xvfb, once in the hex view and once after the
# View menu's "&Octal" (WM_COMMAND 11), each cropped to the editor's window.
#
#   bash scripts/screenshot.sh [output-folder]     default: docs/
#
# Writes editor-hex.png and editor-octal.png. NIBBLOR_BUILD_DIR moves the build
# folder, as for run.sh.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${NIBBLOR_BUILD_DIR:-$root/build}"
out="$(mkdir -p "${1:-$root/docs}" && cd "${1:-$root/docs}" && pwd)"
tree="$build/win32"

. "$root/scripts/build-win32.sh"
nibblor_build_win32 "$root" "$tree" nibblor send_frame_command
sender="$tree/host/send_frame_command.exe"

# Always a display of our own, so that nothing else shows in the pictures.
unset DISPLAY
. "$root/scripts/wine-env.sh"
pid=""
x11_key='HKCU\Software\Wine\X11 Driver'
added_font=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  wine reg delete "$x11_key" /v Decorated /f >/dev/null 2>&1 || true
  [ -n "$added_font" ] && rm -f "$added_font"
  nibblor_wine_teardown
}
trap cleanup EXIT
nibblor_wine_setup "$tree"
# Xvfb has no window manager: Wine draws the caption and borders itself, with
# the symbol font its buttons need, for this run only.
wine reg add "$x11_key" /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1
fonts="$WINEPREFIX/drive_c/windows/Fonts"
if [ -f /usr/share/wine/fonts/marlett.ttf ] && [ ! -f "$fonts/marlett.ttf" ]; then
  cp /usr/share/wine/fonts/marlett.ttf "$fonts/" && added_font="$fonts/marlett.ttf"
fi

# Named relative to its folder, so that the title shows just the name.
cd "$tree/host"
wine ./nibblor.exe nibblor.exe &
pid=$!

# The X window Wine made for the frame: its title starts "Nibblor - ".
editor_window() {
  xwininfo -root -tree 2>/dev/null | awk '/"Nibblor - / { print $1; exit }'
}
window=""
for _ in $(seq 1 150); do
  window="$(editor_window)"
  [ -n "$window" ] && break
  sleep 0.2
done
if [ -z "$window" ]; then
  echo "screenshot: the editor's window did not appear" >&2
  exit 1
fi

shoot() {
  sleep 2 # let it paint
  import -display "$DISPLAY" -window "$(editor_window)" "$out/$1"
  echo "Screenshot: $out/$1"
}
shoot editor-hex.png
wine "$sender" 11
shoot editor-octal.png

wine "$sender" 3 # Exit
for _ in $(seq 1 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
wait "$pid" 2>/dev/null || true
pid=""
