# Cross-compiles the same sources for 64-bit Windows (PE32+, x86-64) with
# MinGW-w64: the tests' build where the kernel cannot run Wine's 32-bit side.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(NIBBLOR_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER   ${NIBBLOR_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${NIBBLOR_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER  ${NIBBLOR_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${NIBBLOR_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# The C and C++ runtimes are linked in, as in the 32-bit build.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
