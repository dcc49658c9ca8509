# Warnings live on one interface target that every project target links.
add_library(direvovu_warnings INTERFACE)
target_compile_options(direvovu_warnings INTERFACE
  $<$<CXX_COMPILER_ID:GNU,Clang>:-Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion
    -Wnon-virtual-dtor -Woverloaded-virtual -Wnull-dereference -Wimplicit-fallthrough>
  $<$<CXX_COMPILER_ID:MSVC>:/W4 /permissive->)
