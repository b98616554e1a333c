# uruchom(KATALOG COMMAND...): runs a command in KATALOG for a test script and
# stops the script with the command's output when it fails.
function(uruchom katalog)
    execute_process(COMMAND ${ARGN}
        WORKING_DIRECTORY "${katalog}"
        RESULT_VARIABLE status
        OUTPUT_VARIABLE wyjscie
        ERROR_VARIABLE wyjscie)
    if(NOT status EQUAL 0)
        string(REPLACE ";" " " polecenie "${ARGN}")
        message(FATAL_ERROR "in ${katalog}: ${polecenie} failed (${status}):\n${wyjscie}")
    endif()
endfunction()
