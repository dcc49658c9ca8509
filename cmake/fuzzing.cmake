# libFuzzer targets: each one is built with the fuzzer and sanitizers, and a short
# run over its seed corpus is registered as a test.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "The fuzz preset needs clang (libFuzzer)")
endif()
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer -g)
add_link_options(-fsanitize=address,undefined)

set(DIREVOVU_FUZZ_SECONDS 5 CACHE STRING "Seconds each fuzz target runs inside ctest")

# direvovu_add_fuzzer(<name> SOURCES <files...> [SEED_COMMAND <cmd...>])
# SEED_COMMAND runs before the fuzzer and writes seed inputs into the corpus folder,
# which is passed to it as its last argument.
function(direvovu_add_fuzzer name)
  cmake_parse_arguments(F "" "" "SOURCES;SEED_COMMAND" ${ARGN})
  add_executable(${name} ${F_SOURCES})
  target_link_libraries(${name} PRIVATE direvovu_core direvovu_warnings)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  set(corpus ${CMAKE_CURRENT_BINARY_DIR}/${name}_corpus)
  set(seeds ${CMAKE_CURRENT_SOURCE_DIR}/corpus/${name})
  add_test(NAME ${name}
    COMMAND ${CMAKE_COMMAND} -DFUZZER=$<TARGET_FILE:${name}> -DCORPUS=${corpus} -DSEEDS=${seeds}
            -DSECONDS=${DIREVOVU_FUZZ_SECONDS} "-DSEED_COMMAND=${F_SEED_COMMAND}"
            -P ${PROJECT_SOURCE_DIR}/cmake/run_fuzzer.cmake)
  set_tests_properties(${name} PROPERTIES LABELS fuzz TIMEOUT 300)
endfunction()
