# Winelib: Win32 code is compiled by the ordinary g++ with the flags wineg++ itself passes, carried by
# the interface target `winelib`; executables are linked by wineg++ (through a linker launcher), which
# writes NAME.exe (a launcher script) and NAME.exe.so (the program, run as `wine64 NAME.exe.so`).
find_program(WINEGXX wineg++ PATHS /usr/lib/wine REQUIRED)
find_program(WINE64 wine64 PATHS /usr/lib/wine REQUIRED)
find_program(WRC wrc PATHS /usr/lib/wine REQUIRED)
find_program(WINEGCC winegcc PATHS /usr/lib/wine REQUIRED)
get_filename_component(WINE_TOOLS_DIR ${WINEGXX} DIRECTORY)
# The Wine headers: windows.h and the Win32 headers in WINE_INCLUDE_DIR/wine/windows, Wine's own below.
find_path(WINE_INCLUDE_DIR wine/windows/windows.h PATHS /usr/include/wine REQUIRED)
set(WINE_WINDOWS_INCLUDE_DIR ${WINE_INCLUDE_DIR}/wine/windows)

add_library(winelib INTERFACE)
target_compile_definitions(winelib INTERFACE
  _GNU_SOURCE WINE_UNICODE_NATIVE _REENTRANT
  WIN64 _WIN64 __WIN64 __WIN64__ WIN32 _WIN32 __WIN32 __WIN32__ __WINNT __WINNT__ __WINE__)
# The calling-convention and __declspec macros are function-like or hold parentheses, which CMake will
# not pass on a command line: they come from a forced include.
target_compile_options(winelib INTERFACE -fPIC -fshort-wchar -fasynchronous-unwind-tables
  "SHELL:-include ${CMAKE_SOURCE_DIR}/cmake/winelib_predef.h"
  "SHELL:-isystem ${WINE_WINDOWS_INCLUDE_DIR}" "SHELL:-idirafter ${WINE_INCLUDE_DIR}")

set(ONDRIX_WIN32_LIBS user32 gdi32 comctl32 comdlg32 advapi32 shell32 ole32 oleaut32 uuid winspool
    CACHE INTERNAL "Win32 import libraries every Winelib program links")

# ondrix_win_executable(NAME src... [GUI]): a Winelib program, linked by the wineg++ found above.
function(ondrix_win_executable name)
  cmake_parse_arguments(W "GUI" "" "" ${ARGN})
  add_executable(${name} ${W_UNPARSED_ARGUMENTS})
  set_target_properties(${name} PROPERTIES SUFFIX ".exe"
    CXX_LINKER_LAUNCHER "${CMAKE_SOURCE_DIR}/cmake/winelink;${WINEGXX}")
  target_link_libraries(${name} PRIVATE winelib)
  if(W_GUI)
    target_link_options(${name} PRIVATE -mwindows)
  endif()
  foreach(lib ${ONDRIX_WIN32_LIBS})
    target_link_libraries(${name} PRIVATE -l${lib})
  endforeach()
endfunction()

# ondrix_wine_test(NAME [CLIPBOARD] SOURCES src... [LIBS lib...]): a Winelib GoogleTest program (its main
# comes from the test support library), run by ctest as `wine64 NAME.exe.so` (label "wine") through
# tools/wine-test, which says why when wine ends without starting it. The test command provides DISPLAY;
# the prefix lives inside the build tree. CLIPBOARD: the program puts things on the clipboard or reads
# them, so it never runs beside another such program.
function(ondrix_wine_test name)
  cmake_parse_arguments(T "CLIPBOARD" "" "SOURCES;LIBS" ${ARGN})
  ondrix_win_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} ondrix_wine_test_main GTest::gtest)
  add_test(NAME ${name} COMMAND ${CMAKE_SOURCE_DIR}/tools/wine-test ${WINE64} $<TARGET_FILE:${name}>.so)
  set_tests_properties(${name} PROPERTIES LABELS wine
    ENVIRONMENT "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix;WINEDEBUG=-all;ONDRIX_TEST_DATA=${CMAKE_SOURCE_DIR}/tests/data")
  # the clipboard is one for the whole display: programs that use it take turns
  if(T_CLIPBOARD)
    set_property(TEST ${name} APPEND PROPERTY RESOURCE_LOCK ondrix_clipboard)
  endif()
endfunction()

# The wrc command that compiles the resource script rc_path into res; scripts may include <windows.h>,
# the class library's "win/AfxRes.h" and files beside them.
function(ondrix_wrc_command out rc_path res)
  get_filename_component(rc_dir ${rc_path} DIRECTORY)
  set(${out} ${WRC} -I${WINE_WINDOWS_INCLUDE_DIR} -I${CMAKE_SOURCE_DIR}/platform/classlib -I${rc_dir}
      -o ${res} ${rc_path} PARENT_SCOPE)
endfunction()

# ondrix_add_resources(TARGET script.rc [DEPENDS file...]): compiles the resource script with wrc and
# links the result into the Winelib program TARGET. The script may include <windows.h> and the class
# library's "win/AfxRes.h"; DEPENDS names the files it pulls in (bitmaps, icons, headers).
function(ondrix_add_resources target rc)
  cmake_parse_arguments(R "" "" "DEPENDS" ${ARGN})
  get_filename_component(rc_path ${rc} ABSOLUTE)
  get_filename_component(rc_name ${rc} NAME_WE)
  set(res ${CMAKE_CURRENT_BINARY_DIR}/${target}_${rc_name}.res)
  ondrix_wrc_command(wrc_command ${rc_path} ${res})
  add_custom_command(OUTPUT ${res}
    COMMAND ${wrc_command}
    DEPENDS ${rc_path} ${R_DEPENDS}
    COMMENT "Compiling resources ${rc}")
  set_source_files_properties(${res} PROPERTIES EXTERNAL_OBJECT TRUE GENERATED TRUE)
  target_sources(${target} PRIVATE ${res})
endfunction()

# ondrix_add_combined_resources(TARGET NAME script.rc... [DEPENDS file...]): compiles the resource
# scripts as one (a generated script NAME.rc that includes them in the order given, with each
# script's folder on the include path, where the files they name are looked for) and links the result
# into the Winelib program TARGET. Use it for a program that links the scripts of several parts:
# scripts compiled apart each number their cursor and icon images from 1, which the link refuses as
# duplicates once two of them hold cursors or icons. The scripts' own names must differ, and they must
# not name two different files by one name (the first folder on the path that holds it wins). DEPENDS
# names the files they pull in.
function(ondrix_add_combined_resources target name)
  cmake_parse_arguments(R "" "" "DEPENDS" ${ARGN})
  set(content "/* generated: the resource scripts of ${target}, compiled as one */\n")
  set(dirs "")
  set(scripts "")
  foreach(rc ${R_UNPARSED_ARGUMENTS})
    get_filename_component(rc_path ${rc} ABSOLUTE)
    get_filename_component(rc_dir ${rc_path} DIRECTORY)
    get_filename_component(rc_file ${rc_path} NAME)
    string(APPEND content "#include \"${rc_file}\"\n")
    list(APPEND dirs -I${rc_dir})
    list(APPEND scripts ${rc_path})
  endforeach()
  set(combined ${CMAKE_CURRENT_BINARY_DIR}/${target}_${name}.rc)
  file(WRITE ${combined}.in "${content}")
  configure_file(${combined}.in ${combined} COPYONLY)
  set(res ${CMAKE_CURRENT_BINARY_DIR}/${target}_${name}.res)
  add_custom_command(OUTPUT ${res}
    COMMAND ${WRC} -I${WINE_WINDOWS_INCLUDE_DIR} -I${CMAKE_SOURCE_DIR}/platform/classlib ${dirs} -o ${res} ${combined}
    DEPENDS ${combined} ${scripts} ${R_DEPENDS}
    COMMENT "Compiling the resources of ${target}")
  set_source_files_properties(${res} PROPERTIES EXTERNAL_OBJECT TRUE GENERATED TRUE)
  target_sources(${target} PRIVATE ${res})
endfunction()

# ondrix_resource_library(NAME script.rc [DEPENDS file...] [DESTINATION dir]): a resource-only
# library NAME.dll made from the script (winegcc -shared with an empty export list and no code),
# placed in DESTINATION (default: the current binary folder, beside the programs built there), where
# LoadLibrary("NAME.dll") of a program in that folder finds it. Builds with the target NAME.
function(ondrix_resource_library name rc)
  cmake_parse_arguments(R "" "DESTINATION" "DEPENDS" ${ARGN})
  if(NOT R_DESTINATION)
    set(R_DESTINATION ${CMAKE_CURRENT_BINARY_DIR})
  endif()
  get_filename_component(rc_path ${rc} ABSOLUTE)
  set(work ${CMAKE_CURRENT_BINARY_DIR}/${name}_resources)
  ondrix_wrc_command(wrc_command ${rc_path} ${work}/${name}.res)
  file(MAKE_DIRECTORY ${work})
  file(WRITE ${work}/${name}.spec "")
  file(WRITE ${work}/stub.c "/* a resource-only library has no code */\n")
  add_custom_command(OUTPUT ${R_DESTINATION}/${name}.dll
    COMMAND ${wrc_command}
    COMMAND ${WINEGCC} -shared -o ${work}/${name}.dll ${work}/${name}.spec ${work}/stub.c ${work}/${name}.res
    COMMAND ${CMAKE_COMMAND} -E copy ${work}/${name}.dll.so ${R_DESTINATION}/${name}.dll
    DEPENDS ${rc_path} ${R_DEPENDS}
    COMMENT "Building the resource library ${name}.dll")
  add_custom_target(${name} ALL DEPENDS ${R_DESTINATION}/${name}.dll)
endfunction()

# ondrix_win_library(NAME EXPORTS name... SOURCES src... [LIBS lib...]): a Winelib library NAME.dll with
# code, beside the programs of the current binary folder, which load it by its Windows path. Its
# sources are compiled with the Winelib flags and linked by wineg++ -shared with the Win32 import
# libraries LIBS and a module-definition file, written into the binary folder, that exports the
# functions EXPORTS names (privately: found by name, no import library); wineg++ writes NAME.dll.so,
# which is copied to NAME.dll.
function(ondrix_win_library name)
  cmake_parse_arguments(L "" "" "EXPORTS;SOURCES;LIBS" ${ARGN})
  set(exports ${CMAKE_CURRENT_BINARY_DIR}/${name}.def)
  set(lines "LIBRARY ${name}.dll\nEXPORTS\n")
  foreach(entry ${L_EXPORTS})
    string(APPEND lines "  ${entry} PRIVATE\n")
  endforeach()
  file(WRITE ${exports} "${lines}")
  add_library(${name} MODULE ${L_SOURCES})
  set_target_properties(${name} PROPERTIES PREFIX "" SUFFIX ".dll"
    CXX_LINKER_LAUNCHER "${CMAKE_SOURCE_DIR}/cmake/winelink;${WINEGXX}" LINK_DEPENDS ${exports})
  target_link_libraries(${name} PRIVATE winelib)
  target_link_options(${name} PRIVATE ${exports})
  foreach(lib ${L_LIBS})
    target_link_libraries(${name} PRIVATE -l${lib})
  endforeach()
  add_custom_command(TARGET ${name} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:${name}>.so $<TARGET_FILE:${name}>)
endfunction()
