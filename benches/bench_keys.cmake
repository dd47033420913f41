tovrel_add_bench(bench_keys SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_keys.cpp LIBS configwidgets Qt5::Test)
