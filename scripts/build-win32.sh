# Sourced by the scripts: installs what is missing, then configures and builds
# the Windows trees.
#   nibblor_build_win32 <root> <tree> [target...]   the 32-bit program (PE32, i686)
#   nibblor_build_runnable <root> <build> [target...]
#       the tree whose programs Wine can run on this machine, named in
#       NIBBLOR_RUN_TREE: <build>/win32, or, where the kernel runs no 32-bit
#       programs (and so no 32-bit Wine), the same sources built for 64-bit
#       Windows in <build>/win64.
. "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"

# Installs what is missing once per run of a script: where a package cannot be
# had (32-bit Wine without its index, say) it is not tried again each time.
nibblor_install_deps() {
  if [ -z "${NIBBLOR_DEPS_CHECKED:-}" ]; then
    "$1/scripts/install-deps.sh"
    export NIBBLOR_DEPS_CHECKED=1
  fi
}

nibblor_build_windows() {
  local root="$1" tree="$2" toolchain="$3"
  shift 3
  nibblor_install_deps "$root"
  cmake -S "$root" -B "$tree" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$toolchain" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
  if [ $# -gt 0 ]; then
    cmake --build "$tree" -j "$(nproc)" --target "$@"
  else
    cmake --build "$tree" -j "$(nproc)"
  fi
}

nibblor_build_win32() {
  local root="$1" tree="$2"
  shift 2
  nibblor_build_windows "$root" "$tree" toolchain-i686-mingw.cmake "$@"
}

nibblor_build_runnable() {
  local root="$1" build="$2"
  shift 2
  nibblor_install_deps "$root"
  if nibblor_runs_32bit; then
    NIBBLOR_RUN_TREE="$build/win32"
    nibblor_build_win32 "$root" "$NIBBLOR_RUN_TREE" "$@"
  else
    echo "build-win32: this kernel runs no 32-bit programs; Wine runs the 64-bit build of the same sources" >&2
    NIBBLOR_RUN_TREE="$build/win64"
    nibblor_build_windows "$root" "$NIBBLOR_RUN_TREE" toolchain-x86_64-mingw.cmake "$@"
  fi
  export NIBBLOR_RUN_TREE
}
