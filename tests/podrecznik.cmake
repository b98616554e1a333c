# Reads the manual page as a reader does: with man, in a UTF-8 locale and in
# the C locale. Both must show it without a warning and without a word split
# by hyphenation: the first with its Polish letters, the second with the same
# letters without their diacritics; both quote the program's own texts exactly
# as it writes them.
#
#   cmake -DMAN=.../man -DSTRONA=.../kwadrat11.6 -P podrecznik.cmake

function(czytaj jezyk wynik)
    execute_process(
        COMMAND "${CMAKE_COMMAND}" -E env LC_ALL=${jezyk} MANWIDTH=80 MANPAGER=cat PAGER=cat
            "${MAN}" --warnings -l "${STRONA}"
        OUTPUT_VARIABLE tekst
        ERROR_VARIABLE bledy
        RESULT_VARIABLE status)
    if(NOT status EQUAL 0 OR NOT bledy STREQUAL "")
        message(FATAL_ERROR "man in ${jezyk}: status ${status}\n${bledy}")
    endif()
    set(${wynik} "${tekst}" PARENT_SCOPE)
endfunction()

# Words that justification may spread apart are matched across any run of spaces.
set(program_pisze
    "Podaj cyfre dla Wiersza 1, Kolumny 2: 2"
    "BRAWO! Wszystkie sumy w poziomie i w pionie wynosza 11!"
    "W1 \\|  4 \\|  \\. \\|  5 \\|")
set(oczekiwane_C.UTF-8
    "łamigłówka +liczbowa"
    "STATUS ZAKOŃCZENIA"
    "Przekątne +się +nie +liczą"
    "żeby +okno +konsoli +nie +zamknęło +się"
    ${program_pisze})
set(oczekiwane_C
    "lamiglowka +liczbowa"
    "STATUS ZAKONCZENIA"
    "Przekatne +sie +nie +licza"
    "zeby +okno +konsoli +nie +zamknelo +sie"
    ${program_pisze})

set(bledy "")
foreach(jezyk C.UTF-8 C)
    czytaj(${jezyk} tekst)
    foreach(wzorzec IN LISTS oczekiwane_${jezyk})
        string(REGEX REPLACE " \\+" "[ \n]+" wzorzec "${wzorzec}")
        if(NOT tekst MATCHES "${wzorzec}")
            string(APPEND bledy "${jezyk}: no '${wzorzec}'\n")
        endif()
    endforeach()
    # Polish words are never split by (English) hyphenation.
    if(tekst MATCHES "[A-Za-z]-\n")
        string(APPEND bledy "${jezyk}: a word hyphenated at a line end\n")
    endif()
    if(jezyk STREQUAL "C" AND NOT tekst MATCHES "^[\t\n -~]*$")
        string(APPEND bledy "C: not plain ASCII\n")
    endif()
endforeach()
if(bledy)
    message(FATAL_ERROR "${bledy}")
endif()
