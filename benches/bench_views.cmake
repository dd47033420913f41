tovrel_add_bench(bench_views SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_views.cpp LIBS programviews)
