# list then encode gives back the bytes of a file the encoder wrote, up to its end record; check
# reports a damaged file as FILE:LINE: TEXT and exits with 1.
execute_process(COMMAND ${EMULATOR} ${TOOL} list ${DATA}/valid.tst OUTPUT_FILE ${WORK}/round_trip.csv
                RESULT_VARIABLE listed)
execute_process(COMMAND ${EMULATOR} ${TOOL} encode ${WORK}/round_trip.csv ${WORK}/round_trip.tst
                RESULT_VARIABLE encoded)
file(READ ${DATA}/valid.tst original HEX)
file(READ ${WORK}/round_trip.tst written HEX)
string(FIND "${original}" "${written}" at)
if(NOT listed EQUAL 0 OR NOT encoded EQUAL 0 OR NOT at EQUAL 0)
    message(FATAL_ERROR "round trip: list ${listed}, encode ${encoded}\n${original}\n${written}")
endif()
file(WRITE ${WORK}/cut.tst "CUT XCUT\r\n")
execute_process(COMMAND ${EMULATOR} ${TOOL} check ${WORK}/cut.tst OUTPUT_VARIABLE said RESULT_VARIABLE checked)
if(NOT checked EQUAL 1 OR NOT said MATCHES "^0 records\n[^\n]*cut\\.tst:1: name line without")
    message(FATAL_ERROR "check said (status ${checked}):\n${said}")
endif()
