tovrel_add_tool(viewprobe SOURCES ${CMAKE_CURRENT_LIST_DIR}/viewprobe.cpp LIBS programviews)
