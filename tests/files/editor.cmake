tovrel_add_test(KEditorTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/KEditorTest.cpp LIBS fileswidgets testsupport_gui)
tovrel_add_test(EditorDemoTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/EditorDemoTest.cpp LIBS testsupport_demo)
add_dependencies(EditorDemoTest editordemo)
