tovrel_add_tool(browserdemo SOURCES ${CMAKE_CURRENT_LIST_DIR}/browserdemo.cpp LIBS fileswidgets toolwidgets resources)
