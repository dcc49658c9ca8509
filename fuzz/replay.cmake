# The normal build's replay of every fuzz corpus: each target's entry point linked with a
# plain main that feeds it the files of fuzz/corpus/<target>/.
file(GLOB replay_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*_fuzz.cpp)
add_library(direvovu_replay_main OBJECT ${CMAKE_CURRENT_LIST_DIR}/replay_main.cpp)
target_link_libraries(direvovu_replay_main PRIVATE direvovu_warnings)
foreach(src ${replay_sources})
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name}_replay ${src} $<TARGET_OBJECTS:direvovu_replay_main>)
  target_link_libraries(${name}_replay PRIVATE direvovu_core direvovu_warnings)
  # A target that checks only a share of its inputs to keep the fuzzer fast checks all here.
  target_compile_definitions(${name}_replay PRIVATE DIREVOVU_FUZZ_REPLAY)
  add_test(NAME corpus_replay.${name} COMMAND ${name}_replay ${CMAKE_CURRENT_LIST_DIR}/corpus/${name})
  set_tests_properties(corpus_replay.${name} PROPERTIES LABELS core TIMEOUT 120)
endforeach()
