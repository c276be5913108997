# GoogleTest from Debian's sources (package googletest), built with this
# project's compiler so that the same tests run natively and under Wine.
set(ZS_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest source tree")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(${ZS_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
if(WIN32)
  # Static executables: no libgcc/libstdc++ DLLs are needed at run time.
  foreach(t gtest gtest_main gmock gmock_main)
    target_link_options(${t} INTERFACE -static -static-libgcc -static-libstdc++)
  endforeach()
endif()
if(ZS_SANITIZE AND NOT WIN32)
  foreach(t gtest gtest_main gmock gmock_main)
    target_compile_options(${t} PRIVATE -fsanitize=address,undefined)
  endforeach()
endif()
