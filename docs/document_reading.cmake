# The viewers' order of reading a document: platform-free, built on both targets.
add_library(zs_document_reading STATIC ${CMAKE_CURRENT_LIST_DIR}/document_reading.cpp)
target_link_libraries(zs_document_reading PUBLIC zs_options)
