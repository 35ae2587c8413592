# Portable sources of the category view: no Windows headers.
set(QUILLON_VIEW_PORTABLE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/colour_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/setting_form.cpp
)
