# Makes the Debian package with cpack into a scratch folder, checks what a
# broken package would get wrong (its files and their owner, the Depends that
# dpkg-shlibdeps computes, the licence in the copyright file), copies it to
# PAKIET for the tests that follow and unpacks it into KATALOG/korzen.
#
#   cmake -DCPACK=... -DBUDOWA=... -DKATALOG=... -DPAKIET=... -DNAZWA_PROGRAMU=...
#         -DLICENCJA=.../LICENSE -P pakiet.cmake

include("${CMAKE_CURRENT_LIST_DIR}/uruchom.cmake")

file(REMOVE_RECURSE "${KATALOG}")
file(MAKE_DIRECTORY "${KATALOG}")

uruchom("${KATALOG}" "${CPACK}" --config "${BUDOWA}/CPackConfig.cmake" -G DEB -B "${KATALOG}/cpack")
file(GLOB pakiety "${KATALOG}/cpack/*.deb")
list(LENGTH pakiety ile)
if(NOT ile EQUAL 1)
    message(FATAL_ERROR "expected one .deb from cpack, found: ${pakiety}")
endif()
file(COPY_FILE "${pakiety}" "${PAKIET}")

set(bledy "")

execute_process(
    COMMAND dpkg-deb --field "${PAKIET}" Depends
    OUTPUT_VARIABLE zaleznosci
    OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
# Computed from the program itself: the C and C++ runtimes, each with a version.
if(NOT zaleznosci MATCHES "(^|, )libc6 \\(>= [0-9]" OR NOT zaleznosci MATCHES "(^|, )libstdc\\+\\+6 \\(>= [0-9]")
    string(APPEND bledy "Depends: '${zaleznosci}', expected libc6 and libstdc++6 with versions\n")
endif()

# Exactly these files, all owned by root.
execute_process(
    COMMAND dpkg-deb --contents "${PAKIET}"
    OUTPUT_VARIABLE zawartosc
    COMMAND_ERROR_IS_FATAL ANY)
set(oczekiwane_pliki
    ./usr/games/${NAZWA_PROGRAMU}
    ./usr/share/doc/kwadrat11/changelog.gz
    ./usr/share/doc/kwadrat11/copyright
    ./usr/share/man/man6/kwadrat11.6.gz)
set(pliki "")
string(REPLACE "\n" ";" wiersze "${zawartosc}")
foreach(wiersz IN LISTS wiersze)
    if(wiersz STREQUAL "")
        continue()
    endif()
    if(NOT wiersz MATCHES "^[-dl][rwxs-]+ root/root ")
        string(APPEND bledy "not owned by root/root: ${wiersz}\n")
    endif()
    if(wiersz MATCHES "^-[^ ]* .* (\\./[^ ]+)$")
        list(APPEND pliki "${CMAKE_MATCH_1}")
    endif()
endforeach()
list(SORT pliki)
if(NOT pliki STREQUAL oczekiwane_pliki)
    string(APPEND bledy "files: ${pliki}\nexpected: ${oczekiwane_pliki}\n")
endif()

set(korzen "${KATALOG}/korzen")
execute_process(COMMAND dpkg-deb --extract "${PAKIET}" "${korzen}" COMMAND_ERROR_IS_FATAL ANY)

# The copyright file quotes the licence word for word (one space in, "." for
# an empty line).
file(READ "${korzen}/usr/share/doc/kwadrat11/copyright" prawa)
file(READ "${LICENCJA}" licencja)
string(REGEX REPLACE "\n \\.?" "\n" prawa "${prawa}")
string(REGEX REPLACE "[ \n]+" " " prawa "${prawa}")
string(REGEX REPLACE "[ \n]+" " " licencja "${licencja}")
string(REGEX MATCH "Copyright [^\n]*authors" wlasciciele "${licencja}")
string(REGEX MATCH "Permission is hereby.*SOFTWARE\\." tekst "${licencja}")
string(REPLACE "Copyright (c) " "Copyright: " wlasciciele "${wlasciciele}")
foreach(fragment "${wlasciciele}" "License: Expat" "${tekst}")
    string(FIND "${prawa}" "${fragment}" gdzie)
    if(gdzie EQUAL -1 OR fragment STREQUAL "")
        string(APPEND bledy "the copyright file lacks: ${fragment}\n")
    endif()
endforeach()

if(NOT bledy STREQUAL "")
    message(FATAL_ERROR "${PAKIET}:\n${bledy}")
endif()
