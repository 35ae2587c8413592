# Portable sources of the application shell: no Windows headers.
set(QUILLON_SHELL_PORTABLE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/platform_rules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frame_rules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/command_line.cpp
  ${CMAKE_CURRENT_LIST_DIR}/preferences_rules.cpp
)
