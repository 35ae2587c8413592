# GoogleTest sources of the portable model (link with gtest_main).
# record_samples.cpp is also used by the fuzz seed generator.
set(NATIVE_TEST_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/record_samples.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_backup_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_byte_io.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_colour_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_container_files.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_database_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_device_key.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_extension_registry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/simulated_probe.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_companion_settings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_companion_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_companion_dialog_rules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_radeon_clocks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_splash_mask.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_fire_field.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_flash_field.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_frame_rules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_gamma_ramp.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_hot_key_rules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_pe_imports.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_name_list.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_journal_entry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_console_arguments.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_platform_rules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_category_record.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_clock_card.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_range_grammar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_refresh_modes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_root_key_table.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_setting_record.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_shell_names.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_string_list.cpp
)
set(NATIVE_TEST_INCLUDE_DIR ${CMAKE_CURRENT_LIST_DIR})
