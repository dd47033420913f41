# Top menu, step, movement, plate alignment and multi-point pages.
target_sources(pageswidgets PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/JogKeys.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MainKey.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KAboutDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KMenuTop.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KMenuStep.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KMovePointDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KMenuMovement.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KMenuZZ.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KMenuMorepoint.cpp)
