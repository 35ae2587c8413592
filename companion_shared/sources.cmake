# Portable sources of what the companion shares with the main program, the
# tabs and the hook library: no Windows headers.
set(COMPANION_SHARED_PORTABLE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/companion_settings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gamma_triple.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hot_key.cpp
  ${CMAKE_CURRENT_LIST_DIR}/log_text.cpp)
set(COMPANION_SHARED_INCLUDE_DIR ${CMAKE_CURRENT_LIST_DIR})
