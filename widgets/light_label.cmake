# The hyperlink label: its look machine is platform-free and builds on both
# targets; the control itself builds for Windows.
add_library(zs_light_label_model STATIC
  ${CMAKE_CURRENT_LIST_DIR}/light_label_model.cpp
  ${CMAKE_CURRENT_LIST_DIR}/light_label_jump.cpp
)
target_link_libraries(zs_light_label_model PUBLIC zs_program_directory)

if(WIN32)
  add_library(zs_light_label STATIC ${CMAKE_CURRENT_LIST_DIR}/light_label.cpp)
  target_link_libraries(zs_light_label PUBLIC zs_light_label_model zs_widgets)
endif()
