tovrel_add_test(FileKeyRowsTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/FileKeyRowsTest.cpp
  LIBS testsupport_gui fileswidgets resources)
tovrel_add_test(BrowserTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/BrowserTest.cpp
  LIBS testsupport_gui fileswidgets resources)
tovrel_add_test(BrowserDemoTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/BrowserDemoTest.cpp LIBS testsupport_demo)
add_dependencies(BrowserDemoTest browserdemo)
