# Portable sources of the console program: its command line.
set(QUILLON_CONSOLE_PORTABLE_SOURCES ${CMAKE_CURRENT_LIST_DIR}/console_arguments.cpp)
set(QUILLON_CONSOLE_INCLUDE_DIR ${CMAKE_CURRENT_LIST_DIR})
