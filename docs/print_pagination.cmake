# The viewers' page loop and line breaking: platform-free, built on both targets.
add_library(zs_print_pagination STATIC
  ${CMAKE_CURRENT_LIST_DIR}/print_pagination.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_lines.cpp
)
target_link_libraries(zs_print_pagination PUBLIC zs_options)
