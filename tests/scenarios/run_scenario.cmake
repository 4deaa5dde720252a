# Runs one scenario file through the scenario runner and compares what it prints with the
# expected text, byte for byte. Called as
#   cmake -DRUNNER=... -DSCENARIO=... -DEXPECTED=... -DWORKDIR=... [-DDATA=...] [-DEMULATOR=wine]
#         -P run_scenario.cmake

# The runner sets up its own fixed offscreen screen only when no platform is chosen.
unset(ENV{QT_QPA_PLATFORM})
unset(ENV{WINEQT_QPA_PLATFORM})
set(dataArguments "")
if(DATA)
    set(dataArguments --data ${DATA})
endif()
execute_process(
    COMMAND ${EMULATOR} ${RUNNER} ${dataArguments} ${SCENARIO}
    WORKING_DIRECTORY ${WORKDIR}
    OUTPUT_VARIABLE actual
    ERROR_VARIABLE errors
    RESULT_VARIABLE status)
file(READ ${EXPECTED} expected)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "aerlith-scenario exited with ${status}\n${actual}\n${errors}")
endif()
if(NOT actual STREQUAL expected)
    get_filename_component(name ${SCENARIO} NAME_WE)
    set(actualFile ${WORKDIR}/${name}.actual)
    file(WRITE ${actualFile} "${actual}")
    execute_process(COMMAND diff -u ${EXPECTED} ${actualFile} OUTPUT_VARIABLE difference)
    message(FATAL_ERROR "output differs from ${EXPECTED}:\n${difference}")
endif()
