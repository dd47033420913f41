tovrel_add_tool(editordemo SOURCES ${CMAKE_CURRENT_LIST_DIR}/editordemo.cpp LIBS fileswidgets toolwidgets resources)
