# Plays one game: runs PROGRAM (through EMULATOR, when given) with standard
# input from WEJSCIE and compares its complete standard output byte for byte
# with the transcript OCZEKIWANE. Standard error must stay empty and the exit
# status must be 0. With KONCE_CRLF the transcript's line ends are taken as
# CR LF, as a Windows build writes them.
#
#   cmake -DPROGRAM=... -DWEJSCIE=... -DOCZEKIWANE=... -DKATALOG=...
#         [-DEMULATOR=...] [-DKONCE_CRLF=ON] -P gra.cmake

foreach(zmienna PROGRAM WEJSCIE OCZEKIWANE KATALOG)
    if(NOT DEFINED ${zmienna})
        message(FATAL_ERROR "gra.cmake: ${zmienna} is not set")
    endif()
endforeach()

get_filename_component(nazwa "${WEJSCIE}" NAME_WE)
file(MAKE_DIRECTORY "${KATALOG}")
set(wyjscie "${KATALOG}/${nazwa}.stdout")
set(bledy "${KATALOG}/${nazwa}.stderr")

execute_process(
    COMMAND ${EMULATOR} "${PROGRAM}"
    INPUT_FILE "${WEJSCIE}"
    OUTPUT_FILE "${wyjscie}"
    ERROR_FILE "${bledy}"
    RESULT_VARIABLE status
    TIMEOUT 60)

set(oczekiwane "${OCZEKIWANE}")
if(KONCE_CRLF)
    file(READ "${OCZEKIWANE}" tresc)
    string(REPLACE "\n" "\r\n" tresc "${tresc}")
    set(oczekiwane "${KATALOG}/${nazwa}.crlf")
    file(WRITE "${oczekiwane}" "${tresc}")
endif()

set(bledne "")
if(NOT status STREQUAL "0")
    string(APPEND bledne "exit status: ${status} (expected 0)\n")
endif()

file(SIZE "${bledy}" rozmiar_bledow)
if(NOT rozmiar_bledow EQUAL 0)
    file(READ "${bledy}" tresc_bledow)
    string(APPEND bledne "standard error is not empty:\n${tresc_bledow}\n")
endif()

execute_process(
    COMMAND "${CMAKE_COMMAND}" -E compare_files "${wyjscie}" "${oczekiwane}"
    RESULT_VARIABLE rozne
    OUTPUT_QUIET ERROR_QUIET)
if(NOT rozne EQUAL 0)
    file(READ "${wyjscie}" otrzymane_hex HEX)
    file(READ "${oczekiwane}" oczekiwane_hex HEX)
    file(READ "${wyjscie}" otrzymane_tekst)
    string(APPEND bledne
        "standard output differs from ${OCZEKIWANE}\n"
        "--- got ---\n${otrzymane_tekst}\n--- end ---\n"
        "got (hex):      ${otrzymane_hex}\n"
        "expected (hex): ${oczekiwane_hex}\n")
endif()

if(NOT bledne STREQUAL "")
    message(FATAL_ERROR "${nazwa}:\n${bledne}")
endif()
