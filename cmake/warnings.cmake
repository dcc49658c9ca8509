# Warnings live on one interface target that every project target links; the builds CI
# runs turn them into errors (DIREVOVU_WERROR, set by the presets), so a new warning fails.
option(DIREVOVU_WERROR "Treat compiler warnings as errors" OFF)
add_library(direvovu_warnings INTERFACE)
target_compile_options(direvovu_warnings INTERFACE
  $<$<CXX_COMPILER_ID:GNU,Clang>:-Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
    -Wnon-virtual-dtor -Woverloaded-virtual -Wnull-dereference -Wimplicit-fallthrough
    -Wold-style-cast -Wformat=2>
  $<$<AND:$<CXX_COMPILER_ID:GNU,Clang>,$<BOOL:${DIREVOVU_WERROR}>>:-Werror>
  $<$<CXX_COMPILER_ID:MSVC>:/W4 /permissive->
  $<$<AND:$<CXX_COMPILER_ID:MSVC>,$<BOOL:${DIREVOVU_WERROR}>>:/WX>)
