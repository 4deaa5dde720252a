include(GoogleTest)
find_package(GTest REQUIRED)
find_package(Qt6 REQUIRED COMPONENTS Test)

# Environment every test runs in: no display needed, sanitizer reports fail the test.
set(AERLITH_TEST_ENV
    QT_QPA_PLATFORM=offscreen
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0)

# A GoogleTest executable over pure code.
function(aerlith_gtest target)
    aerlith_target_defaults(${target})
    target_link_libraries(${target} PRIVATE GTest::gtest_main)
    gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60
        PROPERTIES ENVIRONMENT "${AERLITH_TEST_ENV}")
endfunction()

# A QTest executable driving real widgets on the offscreen platform.
function(aerlith_qtest target)
    aerlith_target_defaults(${target})
    target_link_libraries(${target} PRIVATE Qt6::Test)
    add_test(NAME ${target} COMMAND ${target})
    set_tests_properties(${target} PROPERTIES ENVIRONMENT "${AERLITH_TEST_ENV}" TIMEOUT 300)
endfunction()
