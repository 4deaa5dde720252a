# Address and undefined-behaviour sanitizers for the whole build.
if(AERLITH_SANITIZE)
    set(AERLITH_SANITIZER_FLAGS
        -fsanitize=address,undefined,float-cast-overflow
        -fno-sanitize-recover=undefined,float-cast-overflow
        -fno-omit-frame-pointer)
    add_compile_options(${AERLITH_SANITIZER_FLAGS})
    add_link_options(${AERLITH_SANITIZER_FLAGS})
endif()
