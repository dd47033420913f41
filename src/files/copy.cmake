# Copy page: the widget-free file work (filesengine: copying and deleting,
# and the editor's file text) and the key row with its two-pane view.
add_library(filesengine STATIC ${CMAKE_CURRENT_LIST_DIR}/ProgramCopy.cpp ${CMAKE_CURRENT_LIST_DIR}/EditorText.cpp)
target_link_libraries(filesengine PUBLIC appcore Qt5::Core Qt5::Gui)

target_sources(fileswidgets PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/KMyView.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KFastcopy.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KMenuFastcopy.cpp)
target_link_libraries(fileswidgets PUBLIC filesengine)
