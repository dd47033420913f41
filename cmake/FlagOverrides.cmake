# Read by project() right after the compiler's own defaults, which it
# replaces: those would append "-O2 -g" to the flags below, and the last -g
# wins, so the build would carry full debug information instead of the line
# tables that are enough for backtraces and sanitizer reports.
set(CMAKE_CXX_FLAGS_RELWITHDEBINFO_INIT "-O2 -g1 -DNDEBUG")
set(CMAKE_CXX_FLAGS_DEBUG_INIT "-g1")
