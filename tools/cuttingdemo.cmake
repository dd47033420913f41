tovrel_add_tool(cuttingdemo SOURCES ${CMAKE_CURRENT_LIST_DIR}/cuttingdemo.cpp LIBS pageswidgets toolwidgets resources)
