# Winelib: Win32 code is compiled by the ordinary g++ with the flags wineg++ itself passes, carried by
# the interface target `winelib`; executables are linked by wineg++ (through a linker launcher), which
# writes NAME.exe (a launcher script) and NAME.exe.so (the program, run as `wine64 NAME.exe.so`).
find_program(WINEGXX wineg++ PATHS /usr/lib/wine REQUIRED)
find_program(WINE64 wine64 PATHS /usr/lib/wine REQUIRED)
find_program(WRC wrc PATHS /usr/lib/wine REQUIRED)
find_program(WINEGCC winegcc PATHS /usr/lib/wine REQUIRED)
get_filename_component(WINE_TOOLS_DIR ${WINEGXX} DIRECTORY)

add_library(winelib INTERFACE)
target_compile_definitions(winelib INTERFACE
  _GNU_SOURCE WINE_UNICODE_NATIVE _REENTRANT
  WIN64 _WIN64 __WIN64 __WIN64__ WIN32 _WIN32 __WIN32 __WIN32__ __WINNT __WINNT__ __WINE__)
# The calling-convention and __declspec macros are function-like or hold parentheses, which CMake will
# not pass on a command line: they come from a forced include.
target_compile_options(winelib INTERFACE -fPIC -fshort-wchar -fasynchronous-unwind-tables
  "SHELL:-include ${CMAKE_SOURCE_DIR}/cmake/winelib_predef.h"
  "SHELL:-isystem /usr/include/wine/wine/windows" "SHELL:-idirafter /usr/include/wine")

set(ONDRIX_WIN32_LIBS user32 gdi32 comctl32 comdlg32 advapi32 shell32 ole32 oleaut32 uuid winspool
    CACHE INTERNAL "Win32 import libraries every Winelib program links")

# ondrix_win_executable(NAME src... [GUI]): a Winelib program, linked by wineg++.
function(ondrix_win_executable name)
  cmake_parse_arguments(W "GUI" "" "" ${ARGN})
  add_executable(${name} ${W_UNPARSED_ARGUMENTS})
  set_target_properties(${name} PROPERTIES SUFFIX ".exe"
    CXX_LINKER_LAUNCHER ${CMAKE_SOURCE_DIR}/cmake/winelink)
  target_link_libraries(${name} PRIVATE winelib)
  if(W_GUI)
    target_link_options(${name} PRIVATE -mwindows)
  endif()
  foreach(lib ${ONDRIX_WIN32_LIBS})
    target_link_libraries(${name} PRIVATE -l${lib})
  endforeach()
endfunction()

# ondrix_wine_test(NAME SOURCES src... [LIBS lib...]): a Winelib GoogleTest program (its main comes from
# the test support library), run by ctest as `wine64 NAME.exe.so` (label "wine"). The test command
# provides DISPLAY; the prefix lives inside the build tree.
function(ondrix_wine_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  ondrix_win_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} ondrix_wine_test_main GTest::gtest)
  add_test(NAME ${name} COMMAND ${WINE64} $<TARGET_FILE:${name}>.so)
  set_tests_properties(${name} PROPERTIES LABELS wine
    ENVIRONMENT "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix;WINEDEBUG=-all;ONDRIX_TEST_DATA=${CMAKE_SOURCE_DIR}/tests/data")
endfunction()
