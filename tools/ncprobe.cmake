tovrel_add_tool(ncprobe SOURCES ${CMAKE_CURRENT_LIST_DIR}/ncprobe.cpp LIBS programengine)
