# Build helpers shared by every Windows deliverable, so each deliverable's own
# CMakeLists.txt stays a few lines.

set(QUILLON_VERSION_MAJOR 1)
set(QUILLON_VERSION_MINOR 1)
set(QUILLON_DIST_DIR "${CMAKE_SOURCE_DIR}/dist" CACHE PATH "Program folder assembled by the build")

# The program folder must not need MinGW's runtime DLLs.
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0501 WINVER=0x0501 _WIN32_IE=0x0600)
add_link_options(-static -static-libgcc -static-libstdc++)

# Every binary carries a version resource; executables also get the manifest
# that selects common controls 6.
function(quillon_add_resources target file_name description)
  set(QUILLON_FILE_NAME "${file_name}")
  set(QUILLON_DESCRIPTION "${description}")
  get_target_property(kind ${target} TYPE)
  if(kind STREQUAL "EXECUTABLE")
    set(QUILLON_MANIFEST_LINE "1 24 \"${CMAKE_SOURCE_DIR}/cmake/app.manifest\"")
    set(QUILLON_FILE_TYPE "0x1L")
  else()
    set(QUILLON_MANIFEST_LINE "")
    set(QUILLON_FILE_TYPE "0x2L")
  endif()
  set(rc "${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc")
  configure_file("${CMAKE_SOURCE_DIR}/cmake/version.rc.in" "${rc}" @ONLY)
  target_sources(${target} PRIVATE "${rc}")
endfunction()

# Names a file of the program folder as one the build delivers: the list
# (delivered_files.txt in the build tree) is what the packages ship, so files
# a run of the program leaves in dist/ (its tab layout, backups) never are.
function(quillon_record_delivered name)
  set_property(GLOBAL APPEND PROPERTY QUILLON_DELIVERED "${name}")
endfunction()

# Writes the list of delivered files; called once, after every deliverable.
function(quillon_write_delivered_list)
  get_property(names GLOBAL PROPERTY QUILLON_DELIVERED)
  file(GENERATE OUTPUT "${CMAKE_BINARY_DIR}/delivered_files.txt" CONTENT "$<JOIN:${names},\n>\n")
endfunction()

# Copies a deliverable into the program folder after each build.
function(quillon_deliver target)
  quillon_record_delivered("$<TARGET_FILE_NAME:${target}>")
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E make_directory "${QUILLON_DIST_DIR}"
    COMMAND ${CMAKE_COMMAND} -E copy_if_different "$<TARGET_FILE:${target}>" "${QUILLON_DIST_DIR}/"
    VERBATIM)
endfunction()

# A program, GUI unless CONSOLE:
#   quillon_program(target [CONSOLE] OUTPUT_NAME name DESCRIPTION text SOURCES ...)
function(quillon_program target)
  cmake_parse_arguments(P "CONSOLE" "OUTPUT_NAME;DESCRIPTION" "SOURCES;LIBS" ${ARGN})
  if(P_CONSOLE)
    add_executable(${target} ${P_SOURCES})
  else()
    add_executable(${target} WIN32 ${P_SOURCES})
  endif()
  set_target_properties(${target} PROPERTIES OUTPUT_NAME "${P_OUTPUT_NAME}")
  target_link_libraries(${target} PRIVATE ${P_LIBS})
  quillon_add_resources(${target} "${P_OUTPUT_NAME}.exe" "${P_DESCRIPTION}")
  quillon_deliver(${target})
endfunction()

# A DLL with plain export names: quillon_dll(target OUTPUT_NAME name DESCRIPTION text
#   SOURCES ... [LIBS ...] [NO_DIST])
function(quillon_dll target)
  cmake_parse_arguments(P "NO_DIST" "OUTPUT_NAME;DESCRIPTION" "SOURCES;LIBS" ${ARGN})
  add_library(${target} SHARED ${P_SOURCES})
  set_target_properties(${target} PROPERTIES OUTPUT_NAME "${P_OUTPUT_NAME}" PREFIX "" SUFFIX ".dll")
  # __stdcall exports keep their plain names too.
  target_link_options(${target} PRIVATE -Wl,--kill-at)
  target_link_libraries(${target} PRIVATE ${P_LIBS})
  quillon_add_resources(${target} "${P_OUTPUT_NAME}.dll" "${P_DESCRIPTION}")
  if(NOT P_NO_DIST)
    quillon_deliver(${target})
  endif()
endfunction()

# A data file of the program folder (a picture, a database), copied there on
# every build when it changed.
function(quillon_deliver_file path)
  get_filename_component(name "${path}" NAME)
  string(MAKE_C_IDENTIFIER "deliver_${name}" target)
  quillon_record_delivered("${name}")
  add_custom_command(OUTPUT "${QUILLON_DIST_DIR}/${name}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${QUILLON_DIST_DIR}"
    COMMAND ${CMAKE_COMMAND} -E copy_if_different "${path}" "${QUILLON_DIST_DIR}/${name}"
    DEPENDS "${path}" VERBATIM)
  add_custom_target(${target} ALL DEPENDS "${QUILLON_DIST_DIR}/${name}")
endfunction()
