# What several probes share: the printer of signal emissions.
add_library(toolsupport STATIC ${CMAKE_CURRENT_LIST_DIR}/support/EmissionPrinter.cpp)
target_link_libraries(toolsupport PUBLIC Qt5::Core)
target_include_directories(toolsupport PUBLIC ${CMAKE_CURRENT_LIST_DIR}/support)
