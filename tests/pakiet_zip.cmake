# Makes the Windows zip with cpack into a scratch folder and checks it: one
# top folder holding exactly the .exe, CZYTAJ.txt and LICENSE.txt; the .exe
# stripped and carrying its version resource; the two texts equal to the
# players' text (UTF-8, marked as such for Notepad) and the licence, with
# CR LF line ends. The unpacked .exe is played by the test that follows.
#
#   cmake -DCPACK=... -DBUDOWA=... -DKATALOG=... -DNAZWA=<name>-<version>-win64
#         -DOBJDUMP=... -DZRODLA=... -DPRODUKT=... -DWERSJA=... -DOPIS=... -P pakiet_zip.cmake

cmake_policy(VERSION 3.25)
include("${CMAKE_CURRENT_LIST_DIR}/uruchom.cmake")

file(REMOVE_RECURSE "${KATALOG}")
file(MAKE_DIRECTORY "${KATALOG}/rozpakowane")
uruchom("${KATALOG}" "${CPACK}" --config "${BUDOWA}/CPackConfig.cmake" -G ZIP -B "${KATALOG}")
set(zip "${KATALOG}/${NAZWA}.zip")
if(NOT EXISTS "${zip}")
    message(FATAL_ERROR "cpack made no ${NAZWA}.zip")
endif()
uruchom("${KATALOG}/rozpakowane" "${CMAKE_COMMAND}" -E tar xf "${zip}")

set(bledy "")
file(GLOB_RECURSE pliki RELATIVE "${KATALOG}/rozpakowane" "${KATALOG}/rozpakowane/*")
list(SORT pliki)
set(oczekiwane "${NAZWA}/CZYTAJ.txt" "${NAZWA}/LICENSE.txt" "${NAZWA}/kwadrat11.exe")
if(NOT pliki STREQUAL oczekiwane)
    string(APPEND bledy "files: ${pliki}\nexpected: ${oczekiwane}\n")
endif()
set(katalog "${KATALOG}/rozpakowane/${NAZWA}")

# Stripped: no debug sections left.
execute_process(COMMAND "${OBJDUMP}" -h "${katalog}/kwadrat11.exe"
    OUTPUT_VARIABLE sekcje
    COMMAND_ERROR_IS_FATAL ANY)
if(sekcje MATCHES "\\.debug")
    string(APPEND bledy "kwadrat11.exe keeps debug sections:\n${sekcje}\n")
endif()

# The version resource: each value is stored in UTF-16 after its key,
# aligned to four bytes from the start of its entry.
function(utf16 tekst wynik)
    file(WRITE "${KATALOG}/ascii" "${tekst}")
    file(READ "${KATALOG}/ascii" hex HEX)
    string(REGEX REPLACE "(..)" "\\100" hex "${hex}")
    set(${wynik} "${hex}" PARENT_SCOPE)
endfunction()
file(READ "${katalog}/kwadrat11.exe" exe HEX)
foreach(para "ProductName=${PRODUKT}" "ProductVersion=${WERSJA}" "FileVersion=${WERSJA}"
        "FileDescription=${OPIS}")
    string(REGEX MATCH "^([^=]+)=(.*)$" _ "${para}")
    set(klucz "${CMAKE_MATCH_1}")
    set(wartosc "${CMAKE_MATCH_2}")
    utf16("${klucz}" hex_klucza)
    utf16("${wartosc}" hex_wartosci)
    string(LENGTH "${klucz}" dlugosc)
    math(EXPR wypelnienie "(4 - (6 + (${dlugosc} + 1) * 2) % 4) % 4")
    string(REPEAT "00" ${wypelnienie} zera)
    string(FIND "${exe}" "${hex_klucza}0000${zera}${hex_wartosci}0000" gdzie)
    if(gdzie EQUAL -1)
        string(APPEND bledy "the version resource lacks ${klucz} = '${wartosc}'\n")
    endif()
endforeach()

# The texts: the project's own, with CR LF line ends; the players' text with
# its version filled in, after a UTF-8 byte order mark.
set(PROJECT_VERSION "${WERSJA}")
foreach(para "CZYTAJ.txt=windows/CZYTAJ.txt.in=efbbbf" "LICENSE.txt=LICENSE=")
    string(REGEX MATCH "^([^=]+)=([^=]+)=(.*)$" _ "${para}")
    set(w_zipie "${CMAKE_MATCH_1}")
    set(w_projekcie "${CMAKE_MATCH_2}")
    set(poczatek "${CMAKE_MATCH_3}")
    file(READ "${katalog}/${w_zipie}" tekst HEX)
    file(READ "${ZRODLA}/${w_projekcie}" zrodlo)
    string(CONFIGURE "${zrodlo}" zrodlo @ONLY)
    file(WRITE "${KATALOG}/zrodlo.txt" "${zrodlo}")
    file(READ "${KATALOG}/zrodlo.txt" zrodlo HEX)
    # Hex pairs: turn every LF (0a) of the source into CR LF (0d0a).
    string(REGEX REPLACE "(..)" "\\1 " zrodlo "${zrodlo}")
    string(REPLACE "0a " "0d 0a " zrodlo "${zrodlo}")
    string(REPLACE " " "" zrodlo "${zrodlo}")
    if(NOT tekst STREQUAL "${poczatek}${zrodlo}")
        string(APPEND bledy "${w_zipie} is not ${w_projekcie} with CR LF line ends\n")
    endif()
endforeach()

if(NOT bledy STREQUAL "")
    message(FATAL_ERROR "${zip}:\n${bledy}")
endif()
