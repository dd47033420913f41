# tovrel_add_test(<name> SOURCES <files...> LIBS <targets...>)
# One Qt Test executable in bin/, registered with CTest and run offscreen.
function(tovrel_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE testsupport ${T_LIBS} Qt5::Test)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TOVREL_CORPUS=${TOVREL_CORPUS_DIR};TOVREL_SOURCE_DIR=${CMAKE_SOURCE_DIR}"
    TIMEOUT 300)
endfunction()

# tovrel_add_tool(<name> SOURCES <files...> LIBS <targets...>)
function(tovrel_add_tool name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS})
endfunction()
