# Cross-compiles for 32-bit Windows (PE32, i386) with MinGW-w64; runs tests through Wine.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(NIBBLOR_MINGW_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/MingwToolchain.cmake)

# Large-address-aware: the 32-bit process gets the whole address space it can
# have, so that files of over a gigabyte fit in one block.
set(CMAKE_EXE_LINKER_FLAGS_INIT "${NIBBLOR_STATIC_RUNTIMES} -Wl,--large-address-aware")
