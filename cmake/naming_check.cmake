# The naming habit of .clang-tidy, kept by the build: clang-tidy checks every
# C++ file of the product targets in the folders below (every product folder)
# as it compiles, and the headers of those folders that it includes, on the
# native and the Windows targets alike; a name off the habit fails the build.
# A new product folder joins ZS_NAMING_FOLDERS. The tests, and the fuzz
# preset, are not checked.
set(ZS_NAMING_FOLDERS encoding product platform search widgets viewers about ui beep zsfind bench)

option(ZS_NAMING_CHECK "Check the naming habit with clang-tidy as the product compiles" ON)
if(ZS_NAMING_CHECK)
  find_program(ZS_CLANG_TIDY NAMES clang-tidy-14 clang-tidy REQUIRED)
endif()

# clang-tidy reads the compiler's command through clang, which knows no
# execution character set but UTF-8 (only the names are checked). For
# Windows it parses as the cross compiler's MinGW target, with its C++ library.
function(zs_naming_command var)
  list(JOIN ZS_NAMING_FOLDERS "|" folders)
  set(command ${ZS_CLANG_TIDY} --quiet "--header-filter=^${PROJECT_SOURCE_DIR}/(${folders})/"
      --extra-arg=-fexec-charset=UTF-8)
  if(WIN32)
    get_filename_component(compiler ${CMAKE_CXX_COMPILER} NAME)
    string(REGEX MATCH "^[^-]+-w64-mingw32" triple "${compiler}")
    list(APPEND command --extra-arg=--target=${triple} --extra-arg=-nostdinc++)
    foreach(dir ${CMAKE_CXX_IMPLICIT_INCLUDE_DIRECTORIES})
      if(dir MATCHES "/c\\+\\+")
        list(APPEND command --extra-arg=-isystem${dir})
      endif()
    endforeach()
  endif()
  set(${var} "${command}" PARENT_SCOPE)
endfunction()

# Called after the folders are added.
function(zs_check_naming)
  if(NOT ZS_NAMING_CHECK)
    return()
  endif()
  zs_naming_command(command)
  foreach(folder ${ZS_NAMING_FOLDERS})
    get_property(targets DIRECTORY ${PROJECT_SOURCE_DIR}/${folder} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target ${targets})
      get_target_property(type ${target} TYPE)
      if(type MATCHES "^(STATIC_LIBRARY|SHARED_LIBRARY|EXECUTABLE)$")
        set_target_properties(${target} PROPERTIES CXX_CLANG_TIDY "${command}")
      endif()
    endforeach()
  endforeach()
endfunction()
