tovrel_add_bench(bench_libgen SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_libgen.cpp LIBS libraryengine)
