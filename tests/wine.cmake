# Prepares or ends the wine session that the Windows build's tests run in.
# The prefix is made once, under the build tree; one persistent wineserver is
# kept for the run so that each game does not pay wine's start-up again. It
# ends by itself a minute after its last client, should the ending step not run.
#
#   cmake -DAKCJA=przygotuj|zakoncz -DWINEBOOT=... -DWINESERVER=... -DKATALOG=... -P wine.cmake

if(AKCJA STREQUAL "przygotuj")
    execute_process(
        COMMAND "${WINEBOOT}" -i
        OUTPUT_FILE "${KATALOG}/wineboot.log"
        ERROR_FILE "${KATALOG}/wineboot.log"
        RESULT_VARIABLE status
        TIMEOUT 300)
    if(NOT status EQUAL 0)
        file(READ "${KATALOG}/wineboot.log" log)
        message(FATAL_ERROR "wineboot -i failed (${status}):\n${log}")
    endif()
    set(polecenie "${WINESERVER}" -p60)
elseif(AKCJA STREQUAL "zakoncz")
    set(polecenie "${WINESERVER}" -k)
else()
    message(FATAL_ERROR "wine.cmake: AKCJA must be przygotuj or zakoncz")
endif()

# Output goes to a file: a server left running must not hold CTest's pipes open.
execute_process(
    COMMAND ${polecenie}
    OUTPUT_FILE "${KATALOG}/wineserver.log"
    ERROR_FILE "${KATALOG}/wineserver.log"
    TIMEOUT 60)
