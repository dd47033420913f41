tovrel_add_bench(bench_refusals SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_refusals.cpp LIBS appwindow resources)
