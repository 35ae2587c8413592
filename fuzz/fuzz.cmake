# libFuzzer target for the record readers and range grammars (clang only),
# and the generator that rewrites fuzz/corpus from the record writers:
#   fuzz_records -max_total_time=20 <scratch dir> fuzz/corpus
#   make_seeds fuzz/corpus
add_executable(fuzz_records ${CMAKE_CURRENT_LIST_DIR}/fuzz_records.cpp)
target_compile_options(fuzz_records PRIVATE -fsanitize=fuzzer,address,undefined)
target_link_options(fuzz_records PRIVATE -fsanitize=fuzzer,address,undefined)
target_link_libraries(fuzz_records PRIVATE quillon_portable)

add_executable(make_seeds
  ${CMAKE_CURRENT_LIST_DIR}/make_seeds.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../tests/native/record_samples.cpp)
target_include_directories(make_seeds PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../tests/native)
target_link_libraries(make_seeds PRIVATE quillon_portable)

# A short fuzz run is part of the test suite; new inputs go to a scratch
# folder so the checked-in corpus only changes on purpose.
add_test(NAME fuzz_records_short
  COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=1
          sh -c "rm -rf fuzz_work && mkdir fuzz_work && exec $<TARGET_FILE:fuzz_records> -max_total_time=10 -print_final_stats=1 fuzz_work ${CMAKE_CURRENT_LIST_DIR}/corpus")

# The plug-ins' readers: the OpenGL tab's registry copy and page, the
# refresh-rate tab's item texts.
add_executable(fuzz_plugin_files ${CMAKE_CURRENT_LIST_DIR}/fuzz_plugin_files.cpp)
target_compile_options(fuzz_plugin_files PRIVATE -fsanitize=fuzzer,address,undefined)
target_link_options(fuzz_plugin_files PRIVATE -fsanitize=fuzzer,address,undefined)
target_link_libraries(fuzz_plugin_files PRIVATE plugins_portable)
add_test(NAME fuzz_plugin_files_short
  COMMAND sh -c "rm -rf fuzz_plugin_work && mkdir fuzz_plugin_work && exec $<TARGET_FILE:fuzz_plugin_files> -max_total_time=10 -print_final_stats=1 fuzz_plugin_work")

# The hook library's import-table walk over damaged images.
add_executable(fuzz_pe_imports ${CMAKE_CURRENT_LIST_DIR}/fuzz_pe_imports.cpp)
target_compile_options(fuzz_pe_imports PRIVATE -fsanitize=fuzzer,address,undefined)
target_link_options(fuzz_pe_imports PRIVATE -fsanitize=fuzzer,address,undefined)
target_link_libraries(fuzz_pe_imports PRIVATE plugins_portable)
add_test(NAME fuzz_pe_imports_short
  COMMAND sh -c "rm -rf fuzz_pe_work && mkdir fuzz_pe_work && exec $<TARGET_FILE:fuzz_pe_imports> -max_total_time=10 -print_final_stats=1 fuzz_pe_work")

# One target per file the program reads whole, run briefly in the suite;
# scripts/fuzz.sh runs them all for longer and prints what they found.
foreach(format IN ITEMS Layout Database Profile Backup Journal CommandLine)
  string(TOLOWER ${format} name)
  add_executable(fuzz_file_${name} ${CMAKE_CURRENT_LIST_DIR}/fuzz_file.cpp)
  target_compile_definitions(fuzz_file_${name} PRIVATE FUZZ_FORMAT=Fuzz${format})
  target_compile_options(fuzz_file_${name} PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_options(fuzz_file_${name} PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_libraries(fuzz_file_${name} PRIVATE quillon_portable)
  add_test(NAME fuzz_file_${name}_short
    COMMAND sh -c "rm -rf fuzz_${name}_work && mkdir fuzz_${name}_work && exec $<TARGET_FILE:fuzz_file_${name}> -max_total_time=5 -print_final_stats=1 fuzz_${name}_work ${CMAKE_CURRENT_LIST_DIR}/corpus")
endforeach()
# The companion's readers: settings values, texts, BIOS limits, splash mask.
add_executable(fuzz_companion ${CMAKE_CURRENT_LIST_DIR}/fuzz_companion.cpp)
target_compile_options(fuzz_companion PRIVATE -fsanitize=fuzzer,address,undefined)
target_link_options(fuzz_companion PRIVATE -fsanitize=fuzzer,address,undefined)
target_link_libraries(fuzz_companion PRIVATE companion_portable r6probe_portable pellam_portable)
add_test(NAME fuzz_companion_short
  COMMAND sh -c "rm -rf fuzz_companion_work && mkdir fuzz_companion_work && exec $<TARGET_FILE:fuzz_companion> -max_total_time=10 -print_final_stats=1 fuzz_companion_work")
