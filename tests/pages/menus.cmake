# Top menu, step, movement, plate alignment and multi-point pages.
foreach(t StepPageTest MovementPageTest TopMenuTest PlateBeamPointTest)
  tovrel_add_test(${t} SOURCES ${CMAKE_CURRENT_LIST_DIR}/${t}.cpp ${CMAKE_CURRENT_LIST_DIR}/PageWindow.h
                  LIBS pageswidgets testsupport_gui resources)
endforeach()
tovrel_add_test(MenuDemoTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/MenuDemoTest.cpp LIBS testsupport_demo)
add_dependencies(MenuDemoTest menudemo)
