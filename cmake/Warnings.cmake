# One place for the language level and warnings of every target.
function(aerlith_target_defaults target)
    set_property(GLOBAL APPEND PROPERTY AERLITH_TARGETS ${target})
    target_compile_features(${target} PUBLIC cxx_std_20)
    set_target_properties(${target} PROPERTIES CXX_EXTENSIONS OFF)
    if(MSVC)
        # /fp:precise contracts nothing into fused multiply-adds; std::getenv is standard C++.
        target_compile_options(${target} PRIVATE /W4 /WX /permissive- /utf-8 /fp:precise)
        target_compile_definitions(${target} PRIVATE _CRT_SECURE_NO_WARNINGS)
    else()
        target_compile_options(${target} PRIVATE
            -Wall -Wextra -Wpedantic -Wconversion -Wshadow -Werror
            # Results depend on exact double and single arithmetic: no fused multiply-add.
            -ffp-contract=off)
    endif()
endfunction()
