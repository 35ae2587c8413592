# The shipped tweak databases: each databases/<name>.txt is compiled into
# dist/<name>.tweakdb, which the program offers to import at its first start.
# The compiler is the tweakdb tool built for this computer (the cross build's
# tweakdb.exe does not run here), from the same portable sources.
find_program(QUILLON_HOST_CXX NAMES c++ g++ REQUIRED)
set(host_tweakdb ${CMAKE_BINARY_DIR}/databases/host/tweakdb)
set(model ${CMAKE_SOURCE_DIR}/quillon/model)
set(host_sources ${CMAKE_SOURCE_DIR}/tools/tweakdb/tweakdb_main.cpp)
foreach(name IN ITEMS backup_file byte_io category_key category_record container_header database_file
                      database_text layout_file range_grammar root_key_table setting_record string_list)
  list(APPEND host_sources ${model}/${name}.cpp)
endforeach()
file(GLOB model_headers ${model}/*.h)
add_custom_command(OUTPUT ${host_tweakdb}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/databases/host
  COMMAND ${QUILLON_HOST_CXX} -std=c++17 -O1 -I${model} -o ${host_tweakdb} ${host_sources}
  DEPENDS ${host_sources} ${model_headers}
  COMMENT "Building the tweakdb tool for this computer" VERBATIM)

file(GLOB database_texts CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/databases/*.txt)
set(compiled "")
foreach(text IN LISTS database_texts)
  get_filename_component(name ${text} NAME_WE)
  set(output ${QUILLON_DIST_DIR}/${name}.tweakdb)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${QUILLON_DIST_DIR}
    COMMAND ${host_tweakdb} compile ${text} ${output}
    DEPENDS ${host_tweakdb} ${text} VERBATIM)
  list(APPEND compiled ${output})
  quillon_record_delivered(${name}.tweakdb)
endforeach()
add_custom_target(shipped_databases ALL DEPENDS ${compiled})
