# The scenario runner's screen: its own 1920 x 1080 one at 96 dpi when QT_QPA_PLATFORM is unset or
# plain "offscreen"; the caller's when the caller configures the offscreen platform itself (here
# runner_screen.json, 1280 x 720 at 96 dpi). The main window, 1039 x 399 pixels, is centred on the
# screen it gets: at (441, 341) = ((1920 - 1039) / 2, (1080 - 399) / 2) pixels rounded up on the
# runner's screen, at (121, 161) on the caller's; a pixel is 15 twips. Called as
#   cmake -DRUNNER=... -DWORKDIR=... [-DEMULATOR=wine] -P runner_screen.cmake
# Under Wine a variable named QT_... reaches the program only as WINEQT_..., so both are set.
set(script ${WORKDIR}/runner_screen.scenario)
file(WRITE ${script} "show geometry calcs\n")
set(own "geometry: calcs 6615 5115 15585 5985\n")
set(callers "geometry: calcs 1815 2415 15585 5985\n")
set(failures "")
foreach(platform unset offscreen "offscreen:configfile=${CMAKE_CURRENT_LIST_DIR}/runner_screen.json")
    if(platform STREQUAL "unset")
        unset(ENV{QT_QPA_PLATFORM})
        unset(ENV{WINEQT_QPA_PLATFORM})
        set(expected "${own}")
    else()
        set(ENV{QT_QPA_PLATFORM} "${platform}")
        set(ENV{WINEQT_QPA_PLATFORM} "${platform}")
        set(expected "${own}")
        if(platform MATCHES "configfile")
            set(expected "${callers}")
        endif()
    endif()
    execute_process(COMMAND ${EMULATOR} ${RUNNER} ${script} WORKING_DIRECTORY ${WORKDIR}
        OUTPUT_VARIABLE actual ERROR_VARIABLE errors RESULT_VARIABLE status)
    if(NOT status EQUAL 0 OR NOT actual STREQUAL expected)
        string(APPEND failures
            "QT_QPA_PLATFORM ${platform}: status ${status}, printed ${actual}expected ${expected}${errors}")
    endif()
endforeach()
if(failures)
    message(FATAL_ERROR "${failures}")
endif()
