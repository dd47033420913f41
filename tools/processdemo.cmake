tovrel_add_tool(processdemo SOURCES ${CMAKE_CURRENT_LIST_DIR}/processdemo.cpp LIBS appwindow toolwidgets resources)
