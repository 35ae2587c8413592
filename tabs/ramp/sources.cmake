# Portable sources of the gamma tab: no Windows headers.
set(RAMP_PORTABLE_SOURCES ${CMAKE_CURRENT_LIST_DIR}/gamma_ramp.cpp)
set(RAMP_PORTABLE_INCLUDE_DIR ${CMAKE_CURRENT_LIST_DIR})
