# What the demo windows share: their application, the stand-in main window,
# its pictures and --shot.
add_library(toolwidgets STATIC ${CMAKE_CURRENT_LIST_DIR}/support/DemoApp.cpp
                               ${CMAKE_CURRENT_LIST_DIR}/support/DemoWindow.cpp)
target_link_libraries(toolwidgets PUBLIC appwidgets resources Qt5::Widgets)
target_include_directories(toolwidgets PUBLIC ${CMAKE_CURRENT_LIST_DIR}/support)
