# What both MinGW-w64 toolchain files share: the compilers of the prefix the
# including file names in NIBBLOR_MINGW_PREFIX, with the posix thread model
# (it gives the standard library its mutexes; -static links it in too), and
# the libraries and headers of that prefix only.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER   ${NIBBLOR_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${NIBBLOR_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER  ${NIBBLOR_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${NIBBLOR_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# The C and C++ runtimes are linked in, so each .exe runs alone on Windows.
set(NIBBLOR_STATIC_RUNTIMES "-static -static-libgcc -static-libstdc++")
