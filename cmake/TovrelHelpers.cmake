# Test scratch folders go to memory where the system has it: every save of
# the program syncs its file to disk, and on a busy disk those syncs, not the
# tests, would set the pace.
if(EXISTS /dev/shm AND IS_DIRECTORY /dev/shm)
  set(TOVREL_TEST_TMPDIR /dev/shm)
else()
  set(TOVREL_TEST_TMPDIR "")
endif()

# tovrel_add_test(<name> SOURCES <files...> LIBS <targets...>)
# One Qt Test executable in bin/, registered with CTest and run offscreen.
function(tovrel_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  # Every test reads file names as the program does, from its start on.
  add_executable(${name} ${T_SOURCES} ${CMAKE_SOURCE_DIR}/tests/support/FileNamesAtStart.cpp)
  target_link_libraries(${name} PRIVATE testsupport appcore ${T_LIBS} Qt5::Test)
  add_test(NAME ${name} COMMAND ${name})
  set(env "QT_QPA_PLATFORM=offscreen;TOVREL_CORPUS=${TOVREL_CORPUS_DIR};TOVREL_SOURCE_DIR=${CMAKE_SOURCE_DIR}")
  if(TOVREL_TEST_TMPDIR)
    list(APPEND env "TMPDIR=${TOVREL_TEST_TMPDIR}")
  endif()
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" TIMEOUT 300)
endfunction()

# tovrel_add_tool(<name> SOURCES <files...> LIBS <targets...>)
function(tovrel_add_tool name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS})
endfunction()
