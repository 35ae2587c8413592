# Portable sources of Pellam.exe: no Windows headers. Also built natively for
# the unit tests and the fuzz target.
set(PELLAM_PORTABLE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/command_split.cpp
  ${CMAKE_CURRENT_LIST_DIR}/splash_mask.cpp)
set(PELLAM_PORTABLE_INCLUDE_DIR ${CMAKE_CURRENT_LIST_DIR})
