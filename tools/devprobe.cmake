tovrel_add_tool(devprobe SOURCES ${CMAKE_CURRENT_LIST_DIR}/devprobe.cpp LIBS deviceengine toolsupport)
