# Address and undefined-behaviour sanitizers for the whole build.
if(AERLITH_SANITIZE)
    set(AERLITH_SANITIZER_FLAGS
        -fsanitize=address,undefined,float-cast-overflow
        -fno-sanitize-recover=undefined,float-cast-overflow
        -fno-omit-frame-pointer)
    add_compile_options(${AERLITH_SANITIZER_FLAGS})
    add_link_options(${AERLITH_SANITIZER_FLAGS})
endif()

# With the fuzz targets, instrument every library for coverage so that libFuzzer can steer by the
# branches of the code under test, not only those of the target file. The sanitizer runtime
# supplies the coverage hooks for the other programs.
if(AERLITH_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()
