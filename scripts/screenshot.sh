#!/usr/bin/env bash
# Pictures of the editor for the README: nibblor.exe on a real binary file (a copy of
# the built nibblor.exe) under Xvfb, once in the hex view and once after the
# View menu's "&Octal" (WM_COMMAND 11), each cropped to the editor's window;
# then once more in a colour scheme and font of a user's choosing, stored in
# the prefix's settings for that run only; and at last at 144 dots per inch,
# the prefix's resolution for that run only; and with the status bar and the
# data inspector shown, taken with the screen around both windows.
#
#   bash scripts/screenshot.sh [output-folder]     default: docs/
#
# Writes editor-hex.png, editor-octal.png, editor-colors.png, editor-144dpi.png,
# editor-inspector.png and editor-structure.png (a small PNG image parsed).
# NIBBLOR_BUILD_DIR moves the build folder, as for run.sh.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${NIBBLOR_BUILD_DIR:-$root/build}"
out="$(mkdir -p "${1:-$root/docs}" && cd "${1:-$root/docs}" && pwd)"

. "$root/scripts/build-win32.sh"
nibblor_build_runnable "$root" "$build" nibblor send_frame_command
tree="$NIBBLOR_RUN_TREE"
sender="$tree/host/send_frame_command.exe"

# Always a display of our own, so that nothing else shows in the pictures.
unset DISPLAY
. "$root/scripts/wine-env.sh"
pid=""
x11_key='HKCU\Software\Wine\X11 Driver'
settings_key='HKCU\Software\Nibblor'
# Where the user's settings wait during the colour picture; copied, as an
# export would drop the last character of the store's unterminated texts.
saved_key='HKCU\Software\Nibblor (saved by screenshot.sh)'
added_font=""
sample_dir=""
saved_settings=""
# Wine reads the resolution from here when a process starts.
dpi_key='HKCU\Control Panel\Desktop'
saved_dpi="" # the value found, or "none"
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  wine reg delete "$x11_key" /v Decorated /f >/dev/null 2>&1 || true
  [ -n "$added_font" ] && rm -f "$added_font"
  [ -n "$sample_dir" ] && rm -rf "$sample_dir"
  restore_settings
  restore_dpi
  nibblor_wine_teardown
}
# The editor's settings in the prefix as they were before this script.
restore_settings() {
  [ -n "$saved_settings" ] || return 0
  wine reg delete "$settings_key" /f >/dev/null 2>&1 || true
  if [ "$saved_settings" = yes ]; then
    wine reg copy "$saved_key" "$settings_key" /s /f >/dev/null 2>&1
    wine reg delete "$saved_key" /f >/dev/null 2>&1 || true
  fi
  saved_settings=""
}
restore_dpi() {
  [ -n "$saved_dpi" ] || return 0
  if [ "$saved_dpi" = none ]; then
    wine reg delete "$dpi_key" /v LogPixels /f >/dev/null 2>&1 || true
  else
    wine reg add "$dpi_key" /v LogPixels /t REG_DWORD /d "$saved_dpi" /f >/dev/null 2>&1
  fi
  saved_dpi=""
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

# A copy of the editor to show, under a short name on the prefix's own drive
# (the title names the file in full; the running program itself would be
# read-only while it runs).
sample_dir="$WINEPREFIX/drive_c/Nibblor"
mkdir -p "$sample_dir"
cp "$tree/host/nibblor.exe" "$sample_dir/nibblor.exe"
cd "$tree/host"

# The X window Wine made for the frame: its title starts "Nibblor - ".
editor_window() {
  xwininfo -root -tree 2>/dev/null | awk '/"Nibblor - / { print $1; exit }'
}

start_editor() {
  wine ./nibblor.exe "${1:-C:\Nibblor\nibblor.exe}" &
  pid=$!
  local _
  for _ in $(seq 1 150); do
    [ -n "$(editor_window)" ] && return 0
    sleep 0.2
  done
  echo "screenshot: the editor's window did not appear" >&2
  exit 1
}

stop_editor() {
  wine "$sender" 3 # Exit
  local _
  for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  wait "$pid" 2>/dev/null || true
  pid=""
}

shoot() {
  sleep 2 # let it paint
  import -display "$DISPLAY" -window "$(editor_window)" "$out/$1"
  echo "Screenshot: $out/$1"
}

start_editor
shoot editor-hex.png
wine "$sender" 11
shoot editor-octal.png
stop_editor

# Colours as the Colours dialog stores them (decimal 0x00BBGGRR) and a font as
# the font picker does (a negative height is a character height in pixels).
save_settings() {
  saved_settings=no
  if wine reg query "$settings_key" >/dev/null 2>&1; then
    wine reg copy "$settings_key" "$saved_key" /s /f >/dev/null 2>&1
    saved_settings=yes
  fi
  wine reg delete "$settings_key" /f >/dev/null 2>&1 || true
}
save_settings
store_setting() {
  wine reg add "$settings_key\\$1" /v "$1" /t REG_SZ /d "$2" /f >/dev/null 2>&1
}
store_setting "Active Cursor" $((0x00A5FF))   # orange
store_setting "Inactive Cursor" $((0x8C6A3C)) # slate blue
store_setting "Selection" $((0x3CB371))       # green
store_setting "Text" $((0xB4F0FA))            # pale yellow
store_setting "Background" $((0x3C1E14))      # deep navy
store_setting "FontName" "DejaVu Sans Mono"
store_setting "FontSize" "-15"
start_editor
shoot editor-colors.png
stop_editor
restore_settings

# "X Y RIGHT BOTTOM" of an X window on the screen.
window_box() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 }
    /Width:/ { w = $2 } /Height:/ { h = $2 } END { print x, y, x + w, y + h }'
}
# The editor and a tool window of the given caption, with the screen around both.
shoot_beside() {
  local tool
  tool="$(xwininfo -root -tree 2>/dev/null | awk -v caption="\"$2\"" 'index($0, caption) { print $1; exit }')"
  if [ -z "$tool" ]; then
    echo "screenshot: the $2 window did not appear" >&2
    exit 1
  fi
  local ex ey er eb ix iy ir ib left top right bottom
  read -r ex ey er eb <<<"$(window_box "$(editor_window)")"
  read -r ix iy ir ib <<<"$(window_box "$tool")"
  left=$((ex < ix ? ex : ix)) top=$((ey < iy ? ey : iy))
  right=$((er > ir ? er : ir)) bottom=$((eb > ib ? eb : ib))
  import -display "$DISPLAY" -window root "$sample_dir/screen.png"
  convert "$sample_dir/screen.png" -crop "$((right - left))x$((bottom - top))+$left+$top" +repage "$out/$1"
  echo "Screenshot: $out/$1"
}

# The status bar and the data inspector from the View menu's commands, taken
# with the screen around both windows; what they store goes back afterwards.
save_settings
start_editor
wine "$sender" 21 # Status Bar
wine "$sender" 20 # Data Inspector
sleep 2
shoot_beside editor-inspector.png "Data Inspector"
stop_editor
restore_settings

# The Structure window on a small PNG image, chosen by its extension, with the
# fields tinted in the panes.
python3 - "$sample_dir/picture.png" <<'PICTURE'
import struct, sys, zlib
def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
rows = b"".join(b"\0" + bytes(v for x in range(16) for v in (x * 16, y * 16, 128)) for y in range(16))
with open(sys.argv[1], "wb") as out:
    out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", 16, 16, 8, 2, 0, 0, 0))
              + chunk(b"tEXt", b"Title\0Nibblor") + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))
PICTURE
save_settings
start_editor 'C:\Nibblor\picture.png'
wine "$sender" 39 # Structure
sleep 2
shoot_beside editor-structure.png "Structure"
stop_editor
restore_settings

# The stored settings again, at 144 dots per inch (the hex picture's are 96).
found="$(wine reg query "$dpi_key" /v LogPixels 2>/dev/null | tr -d '\r' |
  awk '$1 == "LogPixels" { print $3 }' || true)"
saved_dpi=none
[ -n "$found" ] && saved_dpi=$((found)) # reg prints it as 0x...
wine reg add "$dpi_key" /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
start_editor
shoot editor-144dpi.png
stop_editor
restore_dpi
