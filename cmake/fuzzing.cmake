# libFuzzer targets: each one is built with the fuzzer and sanitizers, and a run over its
# seed corpus is registered as a test (a few seconds in CI; scripts/fuzz runs them long).
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "The fuzz preset needs clang (libFuzzer)")
endif()
# -O1 keeps the sanitizers' reports readable and runs several times faster than -O0.
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer -g -O1)
add_link_options(-fsanitize=address,undefined)

set(DIREVOVU_FUZZ_SECONDS 5 CACHE STRING "Seconds each fuzz target runs inside ctest")
set(DIREVOVU_FUZZ_CORPUS_ROOT "" CACHE PATH
    "Where the grown corpora are kept between runs (empty: a fresh one in the build folder each run)")
option(DIREVOVU_FUZZ_KEEP_FINDINGS "Minimise a crashing input and add it to fuzz/corpus/<target>/" OFF)

# direvovu_add_fuzzer(<name> SOURCES <files...> [DICT <file>] [MAX_LEN <bytes>])
function(direvovu_add_fuzzer name)
  cmake_parse_arguments(F "" "DICT;MAX_LEN" "SOURCES" ${ARGN})
  if(NOT F_MAX_LEN)
    set(F_MAX_LEN 262144)
  endif()
  add_executable(${name} ${F_SOURCES})
  target_link_libraries(${name} PRIVATE direvovu_core direvovu_warnings)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  if(DIREVOVU_FUZZ_CORPUS_ROOT)
    set(corpus ${DIREVOVU_FUZZ_CORPUS_ROOT}/${name})
    set(fresh OFF)
  else()
    set(corpus ${CMAKE_CURRENT_BINARY_DIR}/${name}_corpus)
    set(fresh ON)
  endif()
  set(dict "")
  if(F_DICT AND EXISTS ${F_DICT})
    set(dict ${F_DICT})
  endif()
  add_test(NAME ${name}
    COMMAND ${CMAKE_COMMAND} -DFUZZER=$<TARGET_FILE:${name}> -DNAME=${name} -DCORPUS=${corpus}
            -DFRESH=${fresh} -DMAX_LEN=${F_MAX_LEN} -DSEEDS=${CMAKE_CURRENT_SOURCE_DIR}/corpus/${name} -DDICT=${dict}
            -DSECONDS=${DIREVOVU_FUZZ_SECONDS} -DKEEP_FINDINGS=${DIREVOVU_FUZZ_KEEP_FINDINGS}
            -DWORK=${CMAKE_CURRENT_BINARY_DIR}/${name}_work
            -P ${PROJECT_SOURCE_DIR}/cmake/run_fuzzer.cmake)
  math(EXPR timeout "${DIREVOVU_FUZZ_SECONDS} + 300")
  set_tests_properties(${name} PROPERTIES LABELS fuzz TIMEOUT ${timeout})
endfunction()
