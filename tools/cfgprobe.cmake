tovrel_add_tool(cfgprobe SOURCES ${CMAKE_CURRENT_LIST_DIR}/cfgprobe.cpp LIBS configwidgets resources toolsupport)
tovrel_add_tool(configdemo SOURCES ${CMAKE_CURRENT_LIST_DIR}/configdemo.cpp LIBS configwidgets toolwidgets resources)
