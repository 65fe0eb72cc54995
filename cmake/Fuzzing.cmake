# Instruments the whole library for libFuzzer and the sanitizers; the targets link the fuzzer.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "The fuzz targets need clang (use the fuzz preset)")
endif()
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
                    -fno-omit-frame-pointer)
add_link_options(-fsanitize=address,undefined)
# A bulge arc may take some 628,000 points; fuzz builds draw longer arcs straight, so that the
# fuzzer explores files instead of filling memory.
add_compile_definitions(RIVEZOZER_FUZZ_MAX_ARC_POINTS=4096)
