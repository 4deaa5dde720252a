# encode takes UTF-8 as users type it: accented names and identifiers are folded to what the file
# holds, lengths counted after folding, and a character it cannot store is named with its line.
execute_process(COMMAND ${EMULATOR} ${TOOL} encode ${DATA}/accented.csv ${WORK}/accented.tst
                RESULT_VARIABLE encoded ERROR_VARIABLE encodeSaid)
execute_process(COMMAND ${EMULATOR} ${TOOL} list ${WORK}/accented.tst OUTPUT_VARIABLE listed)
set(expected "identifier,name,variation,latitude,longitude
ECO1,LAC-DES-ECORCES QC,14W,46.500000,75.500000
CDL5,DOCTOR'S LAKE - ILE-A-LA-CROSSE NS,17W,44.750000,63.250000
KDNA,DONA ANA COUNTY AT KEAHOLE NM,7E,31.875000,106.750000
")
if(NOT encoded EQUAL 0 OR NOT listed STREQUAL expected)
    message(FATAL_ERROR "encode ${encoded}: ${encodeSaid}\nlisted:\n${listed}")
endif()

file(WRITE ${WORK}/unstorable.csv "identifier,name,variation,latitude,longitude
CYUL,Montréal,14W,45.5,73.5
CXYZ,Ðor,14W,45.5,73.5
")
execute_process(COMMAND ${EMULATOR} ${TOOL} encode ${WORK}/unstorable.csv ${WORK}/unstorable.tst
                RESULT_VARIABLE refused ERROR_VARIABLE said)
if(NOT refused EQUAL 1 OR NOT said MATCHES "^[^\n]*unstorable\\.csv:3: name holds \"Ð\" \\(U\\+00D0\\)")
    message(FATAL_ERROR "encode (status ${refused}) said:\n${said}")
endif()
