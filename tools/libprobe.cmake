tovrel_add_tool(libprobe SOURCES ${CMAKE_CURRENT_LIST_DIR}/libprobe.cpp LIBS libraryengine)
