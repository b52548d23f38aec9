#!/usr/bin/env bash
# ctest's emulator for the Win32 build: runs one .exe under the project's Wine prefix.
# Uses the display and prefix the caller set up; makes its own when run alone.
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/wine-env.sh"
build_dir="${NIBBLOR_WIN32_BUILD_DIR:-$(pwd)}"
own_display=0
[ -z "${DISPLAY:-}" ] && own_display=1
nibblor_wine_setup "$build_dir"
wine "$@"
rc=$?
# Only the display goes: tests running beside this one share the wine server,
# which ends by itself once its last program has.
if [ "$own_display" = 1 ]; then
  nibblor_display_stop
fi
exit $rc
