# The file page and the file browser with its preview and key row.
target_sources(fileswidgets PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/SwitchKey.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KMenuFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KMenuPreview1.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KPreviewSimuFrame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KPreview.cpp)
