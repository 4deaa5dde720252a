# One function per kind of test. Every test runs without a display, and a sanitizer report fails
# it.
#
# The Windows build runs the same tests under Wine (CMAKE_CROSSCOMPILING_EMULATOR), in a Wine
# prefix of the build folder's own that a first test makes. Tests that cannot run there carry the
# label linux-only, which the windows test preset leaves out.
include(GoogleTest)
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(AERLITH_UNDER_WINE OFF)
if(WIN32 AND CMAKE_CROSSCOMPILING)
    set(AERLITH_UNDER_WINE ON)
    # GoogleTest built for Windows from Debian's source.
    set(AERLITH_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's source")
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(${AERLITH_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
else()
    find_package(GTest REQUIRED)
endif()
# What runs a built program in a test script: Wine for the Windows build, nothing on Linux.
set(AERLITH_TEST_EMULATOR "${CMAKE_CROSSCOMPILING_EMULATOR}")

set(AERLITH_TEST_ENV
    QT_QPA_PLATFORM=offscreen
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    # use_tls=0: clang 14's leak checker misreads the dynamic TLS of a library loaded at run
    # time (the JPEG plug-in's) under the glibc of Debian 12's later updates, and stops with
    # "Tracer caught signal 11". Without thread-local roots it can only report more leaks,
    # never fewer.
    LSAN_OPTIONS=use_tls=0:suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0)
# For programs that choose their own platform (the scenario runner): the same without it.
set(AERLITH_RUNNER_ENV ${AERLITH_TEST_ENV})
list(FILTER AERLITH_RUNNER_ENV EXCLUDE REGEX "^QT_QPA_PLATFORM=")

if(AERLITH_UNDER_WINE)
    set(AERLITH_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine)
    # What the recording "browser" of the tests' Wine prefix writes each opened address to.
    set(AERLITH_WINE_OPENED_URLS "C:/aerlith-opened-urls.txt")
    add_test(NAME wine_prefix COMMAND ${CMAKE_SOURCE_DIR}/scripts/windows/wine-prefix.sh
                                      ${AERLITH_WINE_PREFIX} start)
    add_test(NAME wine_prefix_stop COMMAND ${CMAKE_SOURCE_DIR}/scripts/windows/wine-prefix.sh
                                           ${AERLITH_WINE_PREFIX} stop)
    set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)
    set_tests_properties(wine_prefix_stop PROPERTIES FIXTURES_CLEANUP wine)
endif()

# aerlith_test_environment(TEST vars...): gives TEST the environment `vars`. Under Wine, a
# variable whose name starts with QT_ reaches a Windows program only as WINEQT_...; the tests then
# find fonts in fonts-wine's folder (Qt's offscreen platform reads one folder on Windows) and run
# in the build's Wine prefix.
function(aerlith_test_environment name)
    set(environment ${ARGN})
    if(AERLITH_UNDER_WINE)
        list(TRANSFORM environment REPLACE "^QT_" "WINEQT_")
        list(APPEND environment WINEPREFIX=${AERLITH_WINE_PREFIX} WINEDEBUG=-all
             WINEQT_QPA_FONTDIR=Z:/usr/share/wine/fonts)
        set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine)
    endif()
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${environment}")
endfunction()

# aerlith_gtest(NAME SOURCES files... LIBS targets...): GoogleTest over pure code; each case is
# a test of its own.
function(aerlith_gtest name)
    cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "SOURCES;LIBS")
    add_executable(${name} ${ARG_SOURCES})
    aerlith_target_defaults(${name})
    set_target_properties(${name} PROPERTIES AUTOMOC OFF)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main)
    if(AERLITH_UNDER_WINE)
        # One Wine start per program rather than per case.
        add_test(NAME ${name} COMMAND ${name})
        aerlith_test_environment(${name} ${AERLITH_TEST_ENV})
    else()
        gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
                             PROPERTIES ENVIRONMENT "${AERLITH_TEST_ENV}")
    endif()
endfunction()

# aerlith_qtest(NAME SOURCES files... LIBS targets... [ENVIRONMENT vars...]): QTest driving the
# real widgets on the offscreen platform, its test class built on the shared window fixture.
function(aerlith_qtest name)
    cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "SOURCES;LIBS;ENVIRONMENT")
    add_executable(${name} ${ARG_SOURCES})
    aerlith_target_defaults(${name})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} aerlith_window_test Qt6::Test)
    add_test(NAME ${name} COMMAND ${name})
    aerlith_test_environment(${name} ${AERLITH_TEST_ENV} ${ARG_ENVIRONMENT})
    set_tests_properties(${name} PROPERTIES TIMEOUT 300)
endfunction()

# aerlith_script_test(NAME COMMAND args... [LABELS labels...] [RUNNER]): a script or program
# run as a test; RUNNER lets it choose its own platform. A script that starts a built program
# starts it through AERLITH_TEST_EMULATOR, which it is given as EMULATOR.
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
    aerlith_test_environment(${name} ${environment})
    set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT})
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
