# Portable sources of the refresh-rate tab: no Windows headers.
set(CADENCE_PORTABLE_SOURCES ${CMAKE_CURRENT_LIST_DIR}/refresh_modes.cpp)
set(CADENCE_PORTABLE_INCLUDE_DIR ${CMAKE_CURRENT_LIST_DIR})
