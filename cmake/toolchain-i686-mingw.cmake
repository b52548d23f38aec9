# Cross-compiles for 32-bit Windows (PE32, i386) with MinGW-w64; runs tests through Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(NIBBLOR_MINGW_PREFIX i686-w64-mingw32)
set(CMAKE_C_COMPILER   ${NIBBLOR_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${NIBBLOR_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER  ${NIBBLOR_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${NIBBLOR_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# The C and C++ runtimes are linked in, so each .exe runs alone on Windows.
# Large-address-aware: the 32-bit process gets the whole address space it can
# have, so that files of over a gigabyte fit in one block.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ -Wl,--large-address-aware")
# The posix thread model gives the standard library its mutexes; -static links it in too.
