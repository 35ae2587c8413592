# Portable sources of the flash animation: no Windows or OpenGL headers. The
# palette is the fire's, reversed.
set(STROBE_PORTABLE_SOURCES ${CMAKE_CURRENT_LIST_DIR}/flash_field.cpp)
set(STROBE_PORTABLE_INCLUDE_DIR ${CMAKE_CURRENT_LIST_DIR})
