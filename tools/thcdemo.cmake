tovrel_add_tool(thcdemo SOURCES ${CMAKE_CURRENT_LIST_DIR}/thcdemo.cpp LIBS thcwidgets toolwidgets resources)
