# Portable sources of the companion's dialogs: no Windows headers. They use
# the companion's schema (companion_shared).
set(QUILLON_COMPANION_UI_PORTABLE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/hot_key_choice.cpp
  ${CMAKE_CURRENT_LIST_DIR}/profile_command.cpp
)
set(QUILLON_COMPANION_UI_INCLUDE_DIR ${CMAKE_CURRENT_LIST_DIR})
