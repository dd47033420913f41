tovrel_add_tool(statusdemo SOURCES ${CMAKE_CURRENT_LIST_DIR}/statusdemo.cpp LIBS statuswidgets toolwidgets resources)
