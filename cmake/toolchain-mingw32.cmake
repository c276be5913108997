# 32-bit Windows: the program as it ships.
set(ZS_MINGW_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw_toolchain.cmake)
