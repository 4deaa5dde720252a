# One function per kind of test. Every test runs without a display, and a sanitizer report fails
# it.
include(GoogleTest)
find_package(GTest REQUIRED)
find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(AERLITH_TEST_ENV
    QT_QPA_PLATFORM=offscreen
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0)
# For programs that choose their own platform (the scenario runner): the same without it.
set(AERLITH_RUNNER_ENV ${AERLITH_TEST_ENV})
list(FILTER AERLITH_RUNNER_ENV EXCLUDE REGEX "^QT_QPA_PLATFORM=")

# aerlith_gtest(NAME SOURCES files... LIBS targets...): GoogleTest over pure code; each case is
# a test of its own.
function(aerlith_gtest name)
    cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "SOURCES;LIBS")
    add_executable(${name} ${ARG_SOURCES})
    aerlith_target_defaults(${name})
    set_target_properties(${name} PROPERTIES AUTOMOC OFF)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "${AERLITH_TEST_ENV}")
endfunction()

# aerlith_qtest(NAME SOURCES files... LIBS targets... [ENVIRONMENT vars...]): QTest driving the
# real widgets on the offscreen platform, its test class built on the shared window fixture.
function(aerlith_qtest name)
    cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "SOURCES;LIBS;ENVIRONMENT")
    add_executable(${name} ${ARG_SOURCES})
    aerlith_target_defaults(${name})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} aerlith_window_test Qt6::Test)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${AERLITH_TEST_ENV};${ARG_ENVIRONMENT}"
        TIMEOUT 300)
endfunction()

# aerlith_script_test(NAME COMMAND args... [LABELS labels...] [RUNNER]): a script or program
# run as a test; RUNNER lets it choose its own platform.
function(aerlith_script_test name)
    cmake_parse_arguments(PARSE_ARGV 1 ARG "RUNNER" "TIMEOUT" "COMMAND;LABELS")
    add_test(NAME ${name} COMMAND ${ARG_COMMAND})
    set(environment ${AERLITH_TEST_ENV})
    if(ARG_RUNNER)
        set(environment ${AERLITH_RUNNER_ENV})
    endif()
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 300)
    endif()
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${environment}" TIMEOUT ${ARG_TIMEOUT})
    if(ARG_LABELS)
        set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}")
    endif()
endfunction()

# aerlith_fuzz(NAME SOURCES files... LIBS targets...): a libFuzzer target (clang, AERLITH_FUZZ)
# that runs for AERLITH_FUZZ_SECONDS under CTest, seeded from the committed corpus in
# tests/fuzz/corpus/NAME, writing new finds to the build folder.
function(aerlith_fuzz name)
    cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "SOURCES;LIBS")
    add_executable(${name} ${ARG_SOURCES})
    aerlith_target_defaults(${name})
    set_target_properties(${name} PROPERTIES AUTOMOC OFF)
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS})
    file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/found_${name})
    add_test(NAME ${name}
        COMMAND ${name} -max_total_time=${AERLITH_FUZZ_SECONDS} -rss_limit_mb=2048
                -timeout=10 -print_final_stats=1
                ${CMAKE_CURRENT_BINARY_DIR}/found_${name} ${CMAKE_CURRENT_SOURCE_DIR}/corpus/${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${AERLITH_TEST_ENV}"
        TIMEOUT 600 LABELS fuzz)
endfunction()
