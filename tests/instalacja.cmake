# Installs the build tree into a scratch root with cmake --install, checks that
# the program and its manual page land where GNUInstallDirs puts them, and
# plays one game with the installed program.
#
#   cmake -DBUDOWA=... -DKATALOG=... -DBINDIR=... -DMANDIR=... -DNAZWA_PROGRAMU=...
#         -DGRA=.../gra.cmake -DWEJSCIE=... -DOCZEKIWANE=... -P instalacja.cmake

set(korzen "${KATALOG}/korzen")
file(REMOVE_RECURSE "${korzen}")
execute_process(
    COMMAND "${CMAKE_COMMAND}" --install "${BUDOWA}" --prefix "${korzen}"
    RESULT_VARIABLE status
    OUTPUT_QUIET)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

set(program "${korzen}/${BINDIR}/${NAZWA_PROGRAMU}")
set(podrecznik "${korzen}/${MANDIR}/man6/kwadrat11.6")
foreach(plik "${program}" "${podrecznik}")
    if(NOT EXISTS "${plik}")
        message(FATAL_ERROR "not installed: ${plik}")
    endif()
endforeach()

execute_process(
    COMMAND "${CMAKE_COMMAND}" "-DPROGRAM=${program}" "-DWEJSCIE=${WEJSCIE}"
        "-DOCZEKIWANE=${OCZEKIWANE}" "-DKATALOG=${KATALOG}" -P "${GRA}"
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "the installed program did not play the game as expected")
endif()
