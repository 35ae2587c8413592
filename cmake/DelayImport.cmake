# Delay-loaded imports: quillon_delay_import_library(<out-var> <dll base name>)
# makes a delay import library for a system DLL from MinGW's import library,
# so a program linked with it loads the DLL only when it first calls into it.
# Quillon.exe uses this for the user-interface DLLs: "Quillon.exe Profile=..."
# runs before a game starts and needs only the registry.
find_program(QUILLON_NM NAMES i686-w64-mingw32-nm REQUIRED)
find_program(QUILLON_DLLTOOL NAMES i686-w64-mingw32-dlltool REQUIRED)

function(quillon_delay_import_library out_var dll)
  set(import_lib /usr/i686-w64-mingw32/lib/lib${dll}.a)
  set(def ${CMAKE_BINARY_DIR}/delayimp/${dll}.def)
  set(lib ${CMAKE_BINARY_DIR}/delayimp/lib${dll}_delay.a)
  if(NOT EXISTS ${lib} OR ${import_lib} IS_NEWER_THAN ${lib})
    file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/delayimp)
    execute_process(COMMAND ${QUILLON_NM} --defined-only ${import_lib}
                    OUTPUT_VARIABLE symbols ERROR_QUIET COMMAND_ERROR_IS_FATAL ANY)
    # Each function's thunk is a text symbol "_Name@N" (or "_Name").
    string(REGEX MATCHALL "[0-9a-f]+ T _[^\n]+" thunks "${symbols}")
    set(text "LIBRARY ${dll}.dll\nEXPORTS\n")
    foreach(thunk IN LISTS thunks)
      string(REGEX REPLACE "^[0-9a-f]+ T _" "" name "${thunk}")
      string(APPEND text "${name}\n")
    endforeach()
    file(WRITE ${def} "${text}")
    execute_process(COMMAND ${QUILLON_DLLTOOL} -k -d ${def} -y ${lib}
                    COMMAND_ERROR_IS_FATAL ANY)
  endif()
  set(${out_var} ${lib} PARENT_SCOPE)
endfunction()
