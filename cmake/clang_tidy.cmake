# clang-tidy over the product's own sources while they build, every warning an error
# (the checks are in .clang-tidy). Tests and benchmarks are left out. scripts/tidy does the
# same over a finished build's compile commands, which is what scripts/test runs.
option(DIREVOVU_CLANG_TIDY "Run clang-tidy on the product's sources while building" OFF)

macro(direvovu_tidy_begin)
  if(DIREVOVU_CLANG_TIDY)
    find_program(DIREVOVU_CLANG_TIDY_EXE NAMES clang-tidy-14 clang-tidy REQUIRED)
    # clang cannot read GCC's precompiled headers.
    set(CMAKE_DISABLE_PRECOMPILE_HEADERS ON)
    # The warning flags are GCC's; clang does not know all of them.
    set(CMAKE_CXX_CLANG_TIDY ${DIREVOVU_CLANG_TIDY_EXE} --quiet --warnings-as-errors=*
        --extra-arg=-Wno-unknown-warning-option)
    # Sources generated in the build folder (moc, resources) are not ours to tidy: the
    # nearest configuration file of theirs turns every check but a harmless one off.
    file(WRITE ${CMAKE_BINARY_DIR}/.clang-tidy "Checks: '-*,bugprone-unused-raii'\nHeaderFilterRegex: '^$'\n")
  endif()
endmacro()

macro(direvovu_tidy_end)
  unset(CMAKE_CXX_CLANG_TIDY)
endmacro()
