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

# The companion's readers: settings values, texts, BIOS limits, splash mask.
add_executable(fuzz_companion ${CMAKE_CURRENT_LIST_DIR}/fuzz_companion.cpp)
target_compile_options(fuzz_companion PRIVATE -fsanitize=fuzzer,address,undefined)
target_link_options(fuzz_companion PRIVATE -fsanitize=fuzzer,address,undefined)
target_link_libraries(fuzz_companion PRIVATE pellam_portable)
add_test(NAME fuzz_companion_short
  COMMAND sh -c "rm -rf fuzz_companion_work && mkdir fuzz_companion_work && exec $<TARGET_FILE:fuzz_companion> -max_total_time=10 -print_final_stats=1 fuzz_companion_work")
