# Sourced by the scripts: a Wine prefix of the project's own under the build folder,
# and an X display (Xvfb) when none is set. Call nibblor_wine_setup <build-dir>.

nibblor_wine_setup() {
  local build_dir
  build_dir="$(cd "$1" && pwd)"
  export WINEPREFIX="$build_dir/wine-prefix"
  export WINEARCH=win32
  export WINEDEBUG="${WINEDEBUG:--all}"
  # No Mono or Gecko installers: the editor needs neither.
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  nibblor_display_start "$build_dir"
  if [ ! -f "$WINEPREFIX/.nibblor-ready" ]; then
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wineboot --init >/dev/null 2>&1 || true
    wineserver -w
    # The default face must render fixed-pitch: map it to Liberation Mono.
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Courier New' /t REG_SZ /d 'Liberation Mono' /f >/dev/null 2>&1
    wineserver -w
    # Wine's own symbol font draws the scroll-bar arrows and caption buttons.
    if [ -f /usr/share/wine/fonts/marlett.ttf ]; then
      cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    fi
    touch "$WINEPREFIX/.nibblor-ready"
  fi
}

# Starts Xvfb on a free display number when DISPLAY is unset; remembers its pid.
nibblor_display_start() {
  if [ -n "${DISPLAY:-}" ]; then
    return 0
  fi
  local n
  for n in $(seq 90 140); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
      Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
      NIBBLOR_XVFB_PID=$!
      export DISPLAY=":$n"
      local i
      for i in $(seq 1 50); do
        [ -e "/tmp/.X11-unix/X$n" ] && return 0
        sleep 0.1
      done
      echo "wine-env: Xvfb did not start on :$n" >&2
      return 1
    fi
  done
  echo "wine-env: no free display number" >&2
  return 1
}

# Stops the wine server of the prefix and the Xvfb this shell started.
nibblor_wine_teardown() {
  if [ -n "${WINEPREFIX:-}" ]; then
    wineserver -k >/dev/null 2>&1 || true
  fi
  if [ -n "${NIBBLOR_XVFB_PID:-}" ]; then
    kill "$NIBBLOR_XVFB_PID" >/dev/null 2>&1 || true
    wait "$NIBBLOR_XVFB_PID" 2>/dev/null || true
    unset NIBBLOR_XVFB_PID
  fi
}
