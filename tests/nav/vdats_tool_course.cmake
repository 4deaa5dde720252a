# course lists the aerodromes an identifier may mean, instead of choosing one, and exits with 1.
execute_process(COMMAND ${EMULATOR} ${TOOL} course ${DATA}/identifiers.tst YKM KSEA
                RESULT_VARIABLE course OUTPUT_VARIABLE candidates)
set(expected "KINCARDINE MUNICIPAL ON CYKM   9W 44.12.05  81.36.24
YAKIMA AIR TERMINAL WA KYKM   14E 46.34.06  120.32.38
")
if(NOT course EQUAL 1 OR NOT candidates STREQUAL expected)
    message(FATAL_ERROR "course (status ${course}) printed:\n${candidates}")
endif()
