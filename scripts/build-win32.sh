# Sourced by the scripts: installs what is missing, then configures and builds
# the Win32 tree. nibblor_build_win32 <root> <tree> [target...]
nibblor_build_win32() {
  local root="$1" tree="$2"
  shift 2
  "$root/scripts/install-deps.sh"
  cmake -S "$root" -B "$tree" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-i686-mingw.cmake" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
  if [ $# -gt 0 ]; then
    cmake --build "$tree" -j "$(nproc)" --target "$@"
  else
    cmake --build "$tree" -j "$(nproc)"
  fi
}
