tovrel_add_tool(copydemo SOURCES ${CMAKE_CURRENT_LIST_DIR}/copydemo.cpp LIBS fileswidgets toolwidgets resources)
