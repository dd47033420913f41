# Program-line list, key pad, cutting page and its return and jump pages.
target_sources(pageswidgets PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ActionButton.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KCode.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KCodeFrame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KCodeNum.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KDirectFrame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KMenuCutting.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KMenuJump.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KMenuReturn.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KReloadDialog.cpp)
