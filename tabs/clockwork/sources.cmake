# Portable sources of the Radeon overclocking tab: no Windows headers.
set(CLOCKWORK_PORTABLE_SOURCES ${CMAKE_CURRENT_LIST_DIR}/clock_card.cpp)
set(CLOCKWORK_PORTABLE_INCLUDE_DIR ${CMAKE_CURRENT_LIST_DIR})
