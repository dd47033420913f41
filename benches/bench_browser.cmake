tovrel_add_bench(bench_browser SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_browser.cpp LIBS fileswidgets)
