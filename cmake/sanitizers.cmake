# ASan + UBSan for the asan preset; applies to every target of the tree.
if(DIREVOVU_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# Programs that load libvlc's or Qt's plug-ins keep them loaded in the sanitizer build,
# so that the leak report can tell whose a leak is (tests/sanitizers/keep_modules_loaded.cpp).
function(direvovu_keep_modules_loaded target)
  if(DIREVOVU_SANITIZE)
    target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tests/sanitizers/keep_modules_loaded.cpp)
    # The libraries' own calls must find this dlclose before libc's.
    target_link_options(${target} PRIVATE -Wl,--export-dynamic-symbol=dlclose)
  endif()
endfunction()
