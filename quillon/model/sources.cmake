# Portable tweak-model sources: the records, their readers and writers and
# the file names; no Windows headers, built by the native and the cross tree
# alike (the library quillon_records).
set(QUILLON_MODEL_PORTABLE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/backup_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/byte_io.cpp
  ${CMAKE_CURRENT_LIST_DIR}/category_key.cpp
  ${CMAKE_CURRENT_LIST_DIR}/category_record.cpp
  ${CMAKE_CURRENT_LIST_DIR}/container_header.cpp
  ${CMAKE_CURRENT_LIST_DIR}/database_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/database_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_names.cpp
  ${CMAKE_CURRENT_LIST_DIR}/journal_entry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/layout_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/range_grammar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/root_key_table.cpp
  ${CMAKE_CURRENT_LIST_DIR}/setting_record.cpp
  ${CMAKE_CURRENT_LIST_DIR}/string_list.cpp
)
set(QUILLON_MODEL_PORTABLE_INCLUDE_DIR ${CMAKE_CURRENT_LIST_DIR})
