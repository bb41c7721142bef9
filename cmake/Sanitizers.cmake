if(ZORVEX_SANITIZE)
  # -O1 keeps the reports' stacks readable and runs the long scenario tests several times faster
  # than an unoptimised build.
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined
                      -O1)
  add_link_options(-fsanitize=address,undefined)
endif()
if(ZORVEX_FUZZ)
  # Coverage for libFuzzer in every library the fuzz targets link, with the sanitizers watching.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
