# Portable sources of the OpenGL information tab: no Windows headers.
set(EXTLIST_PORTABLE_SOURCES ${CMAKE_CURRENT_LIST_DIR}/extension_registry.cpp)
set(EXTLIST_PORTABLE_INCLUDE_DIR ${CMAKE_CURRENT_LIST_DIR})
