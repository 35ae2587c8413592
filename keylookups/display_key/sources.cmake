# Portable sources of the display key lookup: no Windows headers.
set(DISPLAY_KEY_PORTABLE_SOURCES ${CMAKE_CURRENT_LIST_DIR}/device_key.cpp)
set(DISPLAY_KEY_PORTABLE_INCLUDE_DIR ${CMAKE_CURRENT_LIST_DIR})
