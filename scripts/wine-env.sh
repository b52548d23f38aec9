# Sourced by the scripts: a Wine prefix of the project's own under the build folder,
# and an X display (Xvfb) when none is set. Call nibblor_wine_setup <build-dir>.

# Whether Wine's 32-bit side runs here: some kernels are started with their
# 32-bit support switched off. Asked once a shell.
nibblor_runs_32bit() {
  if [ -z "${NIBBLOR_WINE32:-}" ]; then
    if /usr/lib/wine/wine --version >/dev/null 2>&1; then NIBBLOR_WINE32=yes; else NIBBLOR_WINE32=no; fi
    export NIBBLOR_WINE32
  fi
  [ "$NIBBLOR_WINE32" = yes ]
}

# Without the 32-bit side, "wine" (and the tools that call it) must be the
# 64-bit loader, in a 64-bit prefix.
nibblor_wine_arch() {
  local build_dir="$1"
  if nibblor_runs_32bit; then
    export WINEARCH=win32
    return 0
  fi
  export WINEARCH=win64
  export WINELOADER=/usr/lib/wine/wine64
  local shims="$build_dir/wine-bin"
  if [ ! -x "$shims/wine" ]; then
    mkdir -p "$shims"
    printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' >"$shims/wine"
    chmod +x "$shims/wine"
    ln -sf wine "$shims/wine-stable"
  fi
  case ":$PATH:" in
    *":$shims:"*) ;;
    *) export PATH="$shims:$PATH" ;;
  esac
}

nibblor_wine_setup() {
  local build_dir
  build_dir="$(cd "$1" && pwd)"
  export WINEPREFIX="$build_dir/wine-prefix"
  nibblor_wine_arch "$build_dir"
  export WINEDEBUG="${WINEDEBUG:--all}"
  # No Mono or Gecko installers: the editor needs neither.
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  nibblor_display_start "$build_dir"
  # Tests started side by side must not make the prefix twice.
  (
    flock 9
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
  ) 9>"$build_dir/.wine-prefix.lock"
}

# Starts Xvfb when DISPLAY is unset; Xvfb itself picks a free display number,
# so scripts started side by side never share or fight over one.
nibblor_display_start() {
  if [ -n "${DISPLAY:-}" ]; then
    return 0
  fi
  local number_file
  number_file="$(mktemp "$1/.xvfb-display.XXXXXX")"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
  NIBBLOR_XVFB_PID=$!
  local i number=""
  for i in $(seq 1 100); do
    number="$(tr -dc '0-9' <"$number_file")"
    [ -n "$number" ] && break
    sleep 0.1
  done
  rm -f "$number_file"
  if [ -z "$number" ]; then
    echo "wine-env: Xvfb did not start" >&2
    nibblor_display_stop
    return 1
  fi
  export DISPLAY=":$number"
}

# Stops the Xvfb this shell started, if any, and forgets its display, so that
# a later setup in the same shell starts a new one.
nibblor_display_stop() {
  if [ -n "${NIBBLOR_XVFB_PID:-}" ]; then
    kill "$NIBBLOR_XVFB_PID" >/dev/null 2>&1 || true
    wait "$NIBBLOR_XVFB_PID" 2>/dev/null || true
    unset NIBBLOR_XVFB_PID
    unset DISPLAY
  fi
}

# Stops the wine server of the prefix and the Xvfb this shell started.
nibblor_wine_teardown() {
  if [ -n "${WINEPREFIX:-}" ]; then
    wineserver -k >/dev/null 2>&1 || true
  fi
  nibblor_display_stop
}

# For the timing scripts: the prefix set up for <tree>, a folder <work> holding
# a 256 MiB file of random bytes, 256mib.bin, made the current one; the folder
# is removed and Wine stopped when the script exits.
nibblor_bench_folder() {
  local tree="$1"
  NIBBLOR_BENCH_WORK="$2"
  mkdir -p "$NIBBLOR_BENCH_WORK"
  trap 'rm -rf "$NIBBLOR_BENCH_WORK"; nibblor_wine_teardown' EXIT
  nibblor_wine_setup "$tree"
  head -c $((256 << 20)) /dev/urandom >"$NIBBLOR_BENCH_WORK/256mib.bin"
  cd "$NIBBLOR_BENCH_WORK"
}
