# Portable sources of the r6probe client: the Radeon clock maths and the
# driver's requests, no Windows headers.
set(R6PROBE_CLIENT_PORTABLE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/clock_operations.cpp
  ${CMAKE_CURRENT_LIST_DIR}/probe_client.cpp
  ${CMAKE_CURRENT_LIST_DIR}/radeon_clocks.cpp)
set(R6PROBE_CLIENT_INCLUDE_DIR ${CMAKE_CURRENT_LIST_DIR})
