# Cross build of the Windows program with MinGW-w64 (i686).
set(TOOLCHAIN_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
