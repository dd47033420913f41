tovrel_add_tool(libdemo SOURCES ${CMAKE_CURRENT_LIST_DIR}/libdemo.cpp LIBS librarywidgets librarypictures toolwidgets resources)
