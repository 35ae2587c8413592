# Portable sources of the fire animation: no Windows or OpenGL headers.
set(EMBER_PORTABLE_SOURCES ${CMAKE_CURRENT_LIST_DIR}/fire_field.cpp)
set(EMBER_PORTABLE_INCLUDE_DIR ${CMAKE_CURRENT_LIST_DIR})
