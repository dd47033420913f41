tovrel_add_tool(iodemo SOURCES ${CMAKE_CURRENT_LIST_DIR}/iodemo.cpp LIBS devicewidgets toolwidgets resources)
