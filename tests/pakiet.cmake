# Builds the Debian package with CPack, checks its control fields and contents,
# unpacks it into a scratch root and plays one game with the unpacked program.
#
#   cmake -DBUDOWA=... -DKATALOG=... -DWERSJA=... -DGRA=.../gra.cmake
#         -DWEJSCIE=... -DOCZEKIWANE=... -P pakiet.cmake

file(REMOVE_RECURSE "${KATALOG}")
file(MAKE_DIRECTORY "${KATALOG}")

execute_process(
    COMMAND cpack --config "${BUDOWA}/CPackConfig.cmake" -G DEB -B "${KATALOG}"
    RESULT_VARIABLE status
    OUTPUT_VARIABLE wyjscie
    ERROR_VARIABLE wyjscie)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cpack failed:\n${wyjscie}")
endif()

file(GLOB pakiety "${KATALOG}/kwadrat11_${WERSJA}_*.deb")
list(LENGTH pakiety ile)
if(NOT ile EQUAL 1)
    message(FATAL_ERROR "expected one kwadrat11_${WERSJA}_<arch>.deb in ${KATALOG}, found: ${pakiety}")
endif()
set(pakiet "${pakiety}")

function(pole nazwa wynik)
    execute_process(
        COMMAND dpkg-deb --field "${pakiet}" "${nazwa}"
        OUTPUT_VARIABLE wartosc
        OUTPUT_STRIP_TRAILING_WHITESPACE
        COMMAND_ERROR_IS_FATAL ANY)
    set(${wynik} "${wartosc}" PARENT_SCOPE)
endfunction()

pole(Package nazwa_pakietu)
pole(Version wersja_pakietu)
pole(Section sekcja)
pole(Depends zaleznosci)
pole(Description opis)

set(bledy "")
if(NOT nazwa_pakietu STREQUAL "kwadrat11")
    string(APPEND bledy "Package: '${nazwa_pakietu}'\n")
endif()
if(NOT wersja_pakietu STREQUAL "${WERSJA}")
    string(APPEND bledy "Version: '${wersja_pakietu}', expected '${WERSJA}'\n")
endif()
if(NOT sekcja STREQUAL "games")
    string(APPEND bledy "Section: '${sekcja}', expected 'games'\n")
endif()
# Computed by dpkg-shlibdeps from the program itself: versioned C and C++ runtimes.
if(NOT zaleznosci MATCHES "libc6 \\(>= [0-9]" OR NOT zaleznosci MATCHES "libstdc\\+\\+6 \\(>= [0-9]")
    string(APPEND bledy "Depends: '${zaleznosci}', expected computed libc6 and libstdc++6\n")
endif()
if(NOT opis MATCHES "\n .*sums to 11")
    string(APPEND bledy "Description has no long text: '${opis}'\n")
endif()

execute_process(
    COMMAND dpkg-deb --contents "${pakiet}"
    OUTPUT_VARIABLE zawartosc
    COMMAND_ERROR_IS_FATAL ANY)
foreach(plik "./usr/bin/kwadrat11" "./usr/share/man/man6/kwadrat11.6")
    string(FIND "${zawartosc}" " ${plik}\n" gdzie)
    if(gdzie EQUAL -1)
        string(APPEND bledy "the package does not hold ${plik}\n")
    endif()
endforeach()

if(NOT bledy STREQUAL "")
    message(FATAL_ERROR "${pakiet}:\n${bledy}")
endif()

set(korzen "${KATALOG}/korzen")
execute_process(COMMAND dpkg-deb --extract "${pakiet}" "${korzen}" COMMAND_ERROR_IS_FATAL ANY)
execute_process(
    COMMAND "${CMAKE_COMMAND}" "-DPROGRAM=${korzen}/usr/bin/kwadrat11" "-DWEJSCIE=${WEJSCIE}"
        "-DOCZEKIWANE=${OCZEKIWANE}" "-DKATALOG=${KATALOG}" -P "${GRA}"
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "the packaged program did not play the game as expected")
endif()
