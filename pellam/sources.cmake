# Portable sources of the companion: no Windows headers. Also built natively
# for the unit tests and the fuzz target.
set(PELLAM_PORTABLE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/clock_operations.cpp
  ${CMAKE_CURRENT_LIST_DIR}/command_split.cpp
  ${CMAKE_CURRENT_LIST_DIR}/companion_settings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gamma_triple.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hot_key.cpp
  ${CMAKE_CURRENT_LIST_DIR}/log_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/probe_client.cpp
  ${CMAKE_CURRENT_LIST_DIR}/radeon_clocks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/splash_mask.cpp)
set(PELLAM_PORTABLE_INCLUDE_DIR ${CMAKE_CURRENT_LIST_DIR})
