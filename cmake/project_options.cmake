# Compiler settings shared by every target of the project (not by GoogleTest).
add_library(zs_options INTERFACE)
target_compile_options(zs_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Werror)
if(NOT ZS_FUZZ)
  # Sources are UTF-8; every narrow literal becomes Shift-JIS, the ANSI code
  # page the program talks to Windows in. (clang, which builds the fuzzers,
  # knows no other execution character set; they do not depend on it.)
  target_compile_options(zs_options INTERFACE -finput-charset=UTF-8 -fexec-charset=CP932)
endif()
target_include_directories(zs_options INTERFACE ${PROJECT_SOURCE_DIR})

if(WIN32)
  target_compile_definitions(zs_options INTERFACE
    WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
  target_link_options(zs_options INTERFACE -static -static-libgcc -static-libstdc++)
elseif(ZS_FUZZ)
  target_compile_options(zs_options INTERFACE -fsanitize=fuzzer-no-link,address,undefined)
  target_link_options(zs_options INTERFACE -fsanitize=address,undefined)
elseif(ZS_SANITIZE)
  target_compile_options(zs_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(zs_options INTERFACE -fsanitize=address,undefined)
endif()

# zs_add_gtest(name SOURCES ... LIBS ...): one test executable, one ctest entry.
# Under the win32 preset ctest runs it through the Wine emulator.
function(zs_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE zs_options ${ARG_LIBS} GTest::gmock GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT 300)
endfunction()

# zs_program_path(var target): the path under which a test finds a program
# built by this tree; for Windows tests the Wine drive-Z form of it.
function(zs_program_path var target)
  if(WIN32)
    set(${var} "Z:$<TARGET_FILE:${target}>" PARENT_SCOPE)
  else()
    set(${var} "$<TARGET_FILE:${target}>" PARENT_SCOPE)
  endif()
endfunction()
