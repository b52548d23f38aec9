# Cross-compiles the same sources for 64-bit Windows (PE32+, x86-64) with
# MinGW-w64: the tests' build where the kernel cannot run Wine's 32-bit side.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(NIBBLOR_MINGW_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/MingwToolchain.cmake)

set(CMAKE_EXE_LINKER_FLAGS_INIT "${NIBBLOR_STATIC_RUNTIMES}")
