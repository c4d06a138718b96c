# Writes the data files of a first installation into FOLDER/Data, unless the
# folder already has them: the ready-to-run folder keeps what its user set up.
if(EXISTS "${FOLDER}/Data/fank.qdf")
    return()
endif()
execute_process(COMMAND "${TOOL}" "${FOLDER}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "writing the first installation's data files failed")
endif()
