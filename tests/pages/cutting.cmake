# Program-line list, key pad, cutting, return and jump pages.
tovrel_add_test(KCodeTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/KCodeTest.cpp LIBS testsupport_gui pageswidgets)
tovrel_add_test(KDirectFrameTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/KDirectFrameTest.cpp LIBS testsupport_gui pageswidgets)
tovrel_add_test(CuttingPagesTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/CuttingPagesTest.cpp LIBS testsupport_gui pageswidgets resources)
tovrel_add_test(CuttingDemoTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/CuttingDemoTest.cpp LIBS testsupport_demo)
add_dependencies(CuttingDemoTest cuttingdemo)
