#!/usr/bin/env bash
# Pictures of the editor for the README: nibblor.exe on a real binary file (the
# built nibblor.exe itself) under Xvfb, once in the hex view and once after the
# View menu's "&Octal" (WM_COMMAND 11), each cropped to the editor's window;
# then once more in a colour scheme and font of a user's choosing, stored in
# the prefix's settings for that run only.
#
#   bash scripts/screenshot.sh [output-folder]     default: docs/
#
# Writes editor-hex.png, editor-octal.png and editor-colors.png.
# NIBBLOR_BUILD_DIR moves the build folder, as for run.sh.
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
settings_key='HKCU\Software\Nibblor'
# Where the user's settings wait during the colour picture; copied, as an
# export would drop the last character of the store's unterminated texts.
saved_key='HKCU\Software\Nibblor (saved by screenshot.sh)'
added_font=""
saved_settings=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  wine reg delete "$x11_key" /v Decorated /f >/dev/null 2>&1 || true
  [ -n "$added_font" ] && rm -f "$added_font"
  restore_settings
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

# The X window Wine made for the frame: its title starts "Nibblor - ".
editor_window() {
  xwininfo -root -tree 2>/dev/null | awk '/"Nibblor - / { print $1; exit }'
}

start_editor() {
  wine ./nibblor.exe nibblor.exe &
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
saved_settings=no
if wine reg query "$settings_key" >/dev/null 2>&1; then
  wine reg copy "$settings_key" "$saved_key" /s /f >/dev/null 2>&1
  saved_settings=yes
fi
wine reg delete "$settings_key" /f >/dev/null 2>&1 || true
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
