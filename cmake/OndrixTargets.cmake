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
# The portable test helpers shared by every folder (tests/support), for test programs and the
# libraries that tests share.
add_library(ondrix_test_support INTERFACE)
target_include_directories(ondrix_test_support INTERFACE ${CMAKE_SOURCE_DIR}/tests/support)

function(ondrix_native_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} ondrix_test_support GTest::gtest GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES LABELS portable
    ENVIRONMENT "ONDRIX_TEST_DATA=${CMAKE_SOURCE_DIR}/tests/data")
endfunction()

# ondrix_graphviz_test(NAME): a test that loads Graphviz. Graphviz keeps its fonts and plugins for the
# life of the process, and the text libraries under it run threads that hand data over in code built
# without the sanitizers: the leak and thread sanitizers are told so (.ci/*-graphviz.supp).
function(ondrix_graphviz_test name)
  set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT
    "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/.ci/lsan-graphviz.supp"
    "TSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/.ci/tsan-graphviz.supp")
endfunction()

# ondrix_fuzz_target(NAME SOURCE SEEDS folder... LIBS lib...): a libFuzzer program (ONDRIX_FUZZ builds
# only) and its ctest test (label "fuzz"), which runs ONDRIX_FUZZ_RUNS inputs starting from the files of
# the named folders under tests/data. Inputs are at most 4096 bytes long, or as long as the largest seed
# so that no seed is cut. New inputs it finds go to a corpus folder in the build tree, never to the
# sources. The target joins `ondrix_fuzzers`, which CI builds alone.
set(ONDRIX_FUZZ_RUNS 20000 CACHE STRING "Inputs each fuzz test runs")
function(ondrix_fuzz_target target source)
  cmake_parse_arguments(F "" "" "SEEDS;LIBS" ${ARGN})
  add_executable(${target} ${source})
  target_compile_options(${target} PRIVATE -fsanitize=fuzzer)
  target_link_options(${target} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(${target} PRIVATE ${F_LIBS} ondrix_test_support)
  set(seeds "")
  set(max_len 4096)
  foreach(folder ${F_SEEDS})
    list(APPEND seeds ${CMAKE_SOURCE_DIR}/tests/data/${folder})
    file(GLOB seed_files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/data/${folder}/*)
    foreach(seed ${seed_files})
      file(SIZE ${seed} size)
      if(size GREATER max_len)
        set(max_len ${size})
      endif()
    endforeach()
  endforeach()
  set(corpus ${CMAKE_CURRENT_BINARY_DIR}/corpus-${target})
  file(MAKE_DIRECTORY ${corpus})
  add_test(NAME ${target}
    COMMAND ${target} -runs=${ONDRIX_FUZZ_RUNS} -seed=1 -max_len=${max_len} -timeout=10 -rss_limit_mb=2048
      -artifact_prefix=${CMAKE_CURRENT_BINARY_DIR}/${target}- ${corpus} ${seeds})
  set_tests_properties(${target} PROPERTIES LABELS fuzz
    ENVIRONMENT "ASAN_OPTIONS=detect_leaks=1;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
  if(NOT TARGET ondrix_fuzzers)
    add_custom_target(ondrix_fuzzers)
  endif()
  add_dependencies(ondrix_fuzzers ${target})
endfunction()
