# Cross build of the Windows program with MinGW-w64 (x86_64).
set(TOOLCHAIN_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
