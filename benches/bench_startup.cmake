tovrel_add_bench(bench_startup SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_startup.cpp LIBS appwindow resources)
