# The user's own aerodrome file: vdats-tool writes it into a data folder that does not exist yet,
# and the program then reads it instead of its own file. Called as
#   cmake -DTOOL=vdats-tool -DRUNNER=aerlith-scenario -DDIR=<this folder> -DWORK=<scratch> -P ...
# The identifiers ZQOW and ZQUL are in no real aerodrome file; their positions and variations are
# those of CYOW and CYUL, so the expected line is that of the committed cross-country scenario.

unset(ENV{QT_QPA_PLATFORM})
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(ENV{XDG_DATA_HOME} ${WORK}/home/share)
set(userFile ${WORK}/home/share/aerlith/vdats.tst)
file(WRITE ${WORK}/own.csv
    "identifier,name,variation,latitude,longitude\n"
    "ZQOW,OUR OWN OTTAWA,13W,45.3225,75.669166666666667\n"
    "ZQUL,OUR OWN MONTREAL,14W,45.467777777777778,73.742222222222222\n")
file(WRITE ${WORK}/course.scenario
    "press func 3\ntype box 0 ZQOW{Enter}ZQUL=\nshow entry\n")
set(found
    "entry: [   ZQOW  to ZQUL     Dist = 81.7/94.1 (NM/SM)  Initial True Crs = 83.2    Magnetic Crs = 96.2 /97.2]\n")
set(notFound "entry: [Sorry, that location was not found. - End of Database]\n")

function(run_course expected what)
    execute_process(COMMAND ${RUNNER} ${WORK}/course.scenario WORKING_DIRECTORY ${WORK}
        OUTPUT_VARIABLE actual ERROR_VARIABLE errors RESULT_VARIABLE status)
    if(NOT status EQUAL 0 OR NOT actual STREQUAL expected)
        message(FATAL_ERROR "${what}: expected\n${expected}got (status ${status})\n${actual}${errors}")
    endif()
endfunction()

# Without a file of the user's the program reads its own, which lacks these identifiers.
run_course("${notFound}" "no user file")
if(EXISTS ${WORK}/home)
    message(FATAL_ERROR "the program made ${WORK}/home")
endif()

execute_process(COMMAND ${TOOL} user-file OUTPUT_VARIABLE named RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT named STREQUAL "${userFile}\n")
    message(FATAL_ERROR "vdats-tool user-file said '${named}' (status ${status})")
endif()
execute_process(COMMAND ${TOOL} encode --install-user ${WORK}/own.csv
    ERROR_VARIABLE told RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT EXISTS ${userFile} OR EXISTS ${userFile}.new)
    message(FATAL_ERROR "vdats-tool encode --install-user failed (status ${status}):\n${told}")
endif()
run_course("${found}" "user file installed")

# A bad CSV leaves the user's file as it was.
file(WRITE ${WORK}/bad.csv "identifier,name,variation,latitude,longitude\nZQXX,BAD,14Q,1,2\n")
execute_process(COMMAND ${TOOL} encode --install-user ${WORK}/bad.csv
    ERROR_QUIET RESULT_VARIABLE status)
if(status EQUAL 0)
    message(FATAL_ERROR "vdats-tool accepted a bad CSV")
endif()
run_course("${found}" "after a refused CSV")

# Removing the user's file brings back the program's own.
file(REMOVE ${userFile})
run_course("${notFound}" "user file removed")
