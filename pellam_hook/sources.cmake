# Portable sources of the hook library: no Windows headers.
set(PELLAM_HOOK_PORTABLE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/pe_imports.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hot_key_rules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/triple_ramp.cpp
  ${CMAKE_CURRENT_LIST_DIR}/name_list.cpp)
set(PELLAM_HOOK_PORTABLE_INCLUDE_DIR ${CMAKE_CURRENT_LIST_DIR})
