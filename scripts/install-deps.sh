#!/usr/bin/env bash
# Installs what the builds and tests need on Debian; does nothing when all is there.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

# libyaml's source, which the builds compile in, lives in the build folder.
fetch_sources() {
  "$root/scripts/fetch-libyaml.sh" "${NIBBLOR_BUILD_DIR:-$root/build}"
}

packages=(
  cmake make g++ git
  g++-mingw-w64-i686 binutils-mingw-w64-i686
  g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
  libz-mingw-w64-dev zlib1g-dev
  wine wine64 xvfb xauth x11-utils fonts-liberation imagemagick
  googletest libgtest-dev libbenchmark-dev
  clang libclang-rt-dev
  python3 zip
)

# The structure conformance run needs Node and npm; a Node that ships its own npm will do.
if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
  packages+=(nodejs npm)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
# wine32 is an i386 package: its query name carries the architecture.
if ! dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'install ok installed'; then
  missing+=(wine32:i386)
fi

if [ ${#missing[@]} -eq 0 ]; then
  fetch_sources
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps: missing packages (${missing[*]}); run as root to install them" >&2
  exit 1
fi

echo "install-deps: installing ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
# A mirror caught mid-sync fails an index now and then: try again, then go on
# with what was fetched, which the install itself will judge.
for attempt in 1 2 3; do
  if apt-get update -q; then
    break
  fi
  echo "install-deps: apt-get update failed (attempt $attempt)" >&2
  sleep $((attempt * 10))
done
if ! apt-get install -y -q "${packages[@]}" wine32:i386; then
  # Without the 32-bit Wine (an i386 index missing, say) the tests run the
  # 64-bit build under wine64, as on a machine that cannot run 32-bit programs.
  echo "install-deps: wine32:i386 could not be installed; going on without it" >&2
  apt-get install -y -q "${packages[@]}"
fi
fetch_sources
