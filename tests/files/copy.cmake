tovrel_add_test(ProgramCopyTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/ProgramCopyTest.cpp LIBS filesengine)
tovrel_add_test(FastcopyPageTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/FastcopyPageTest.cpp
  LIBS fileswidgets testsupport_gui)
add_dependencies(FastcopyPageTest fdscripts)
tovrel_add_test(CopyDemoTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/CopyDemoTest.cpp LIBS testsupport_demo)
add_dependencies(CopyDemoTest copydemo)
