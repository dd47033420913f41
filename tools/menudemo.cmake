tovrel_add_tool(menudemo SOURCES ${CMAKE_CURRENT_LIST_DIR}/menudemo.cpp LIBS pageswidgets statuswidgets toolwidgets resources)
