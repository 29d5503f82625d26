# Helpers shared by every folder.

# ondrix_subdirectory(dir): add a folder once it holds a CMakeLists.txt; until then say at configure
# time that it is skipped (a notice, shown on the error stream like the warnings).
function(ondrix_subdirectory dir)
  if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt)
    add_subdirectory(${dir})
  else()
    file(RELATIVE_PATH folder ${CMAKE_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/${dir})
    message(NOTICE "Ondrix: skipping ${folder}/: it has no CMakeLists.txt yet")
  endif()
endfunction()

# ondrix_native_test(NAME SOURCES src... [LIBS lib...]): a plain Linux GoogleTest program for portable
# code, run directly by ctest (label "portable", also run under the sanitizers by CI).
function(ondrix_native_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES LABELS portable
    ENVIRONMENT "ONDRIX_TEST_DATA=${CMAKE_SOURCE_DIR}/tests/data")
endfunction()
