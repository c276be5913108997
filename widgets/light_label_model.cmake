# The hyperlink label's look machine: platform-free, built on both targets.
add_library(zs_light_label_model STATIC
  ${CMAKE_CURRENT_LIST_DIR}/light_label_model.cpp
  ${CMAKE_CURRENT_LIST_DIR}/light_label_jump.cpp
)
target_link_libraries(zs_light_label_model PUBLIC zs_options)
