tovrel_add_bench(bench_ent SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_ent.cpp LIBS deviceengine)
