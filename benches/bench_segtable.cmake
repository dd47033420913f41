tovrel_add_bench(bench_segtable SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_segtable.cpp LIBS programengine)
