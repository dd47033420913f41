# The NC program editor page: the editor table with its text view, the path
# frame, the name bar, the key row and the scale dialog.
target_sources(fileswidgets PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/KBLDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KEditor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KEditorName.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KEditorSimuFrame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KMenuEditor1.cpp)
