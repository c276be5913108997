# The programs' version and the texts of their version information, set once
# here and in project(VERSION) in the top CMakeLists.txt. The Windows version
# resources, zsfind --version and the installer all take them from here.
set(ZS_PRODUCT_NAME "ｽﾞﾉ文献ﾃﾞｰﾀﾍﾞｰｽ 簡易検索ﾌﾟﾛｸﾞﾗﾑ")
set(ZS_PUBLISHER "Ranel")
set(ZS_COPYRIGHT "Copyright (C) 2026 Ranel")
set(ZS_VERSION_NUMBERS
  "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},0")

set(ZS_GENERATED_DIR ${PROJECT_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/version.h.in ${ZS_GENERATED_DIR}/zs_version.h @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/version.nsh.in ${ZS_GENERATED_DIR}/zs_version.nsh @ONLY)
add_library(zs_version INTERFACE)
target_include_directories(zs_version INTERFACE ${ZS_GENERATED_DIR})

# zs_program_version(target description): the program knows its version
# (zs_version.h), and on Windows carries it in a Japanese version resource
# with the given file description.
function(zs_program_version target description)
  target_link_libraries(${target} PRIVATE zs_version)
  if(WIN32)
    set(ZS_TARGET ${target})
    set(ZS_DESCRIPTION ${description})
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/version_info.rc.in ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
  endif()
endfunction()
