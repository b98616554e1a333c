# kwadrat11_checkout_git(KATALOG WYNIK): WYNIK is ON when KATALOG is the top of
# a git checkout (not a folder that merely lies somewhere inside one, as an
# unpacked tarball in a build tree does), otherwise OFF. Needs GIT_EXECUTABLE.
function(kwadrat11_checkout_git katalog wynik)
    set(${wynik} OFF PARENT_SCOPE)
    execute_process(
        COMMAND "${GIT_EXECUTABLE}" -C "${katalog}" rev-parse --show-toplevel
        OUTPUT_VARIABLE korzen_git OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(korzen_git AND EXISTS "${korzen_git}")
        file(REAL_PATH "${korzen_git}" korzen_git)
        file(REAL_PATH "${katalog}" katalog)
        if(korzen_git STREQUAL katalog)
            set(${wynik} ON PARENT_SCOPE)
        endif()
    endif()
endfunction()
