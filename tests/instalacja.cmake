# Installs the build tree into a scratch root with cmake --install and checks
# that the game, its manual page and its copyright land where GNUInstallDirs
# puts them. The installed game is played by the test that follows.
#
#   cmake -DBUDOWA=... -DKATALOG=... -DBINDIR=... -DMANDIR=... -DDOCDIR=...
#         -DNAZWA_PROGRAMU=... -P instalacja.cmake

set(korzen "${KATALOG}/korzen")
file(REMOVE_RECURSE "${korzen}")
execute_process(
    COMMAND "${CMAKE_COMMAND}" --install "${BUDOWA}" --prefix "${korzen}"
    RESULT_VARIABLE status
    OUTPUT_QUIET)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

foreach(plik "${BINDIR}/${NAZWA_PROGRAMU}" "${MANDIR}/man6/kwadrat11.6.gz" "${DOCDIR}/copyright")
    if(NOT EXISTS "${korzen}/${plik}")
        message(FATAL_ERROR "not installed: ${plik}")
    endif()
endforeach()
