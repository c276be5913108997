# 64-bit Windows: the same sources, for running the Windows tests under
# wine64 on a machine whose kernel cannot start 32-bit programs.
set(ZS_MINGW_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw_toolchain.cmake)
