# Making the Debian package must stop with a message that says what to do,
# and write no package, when it cannot make a sound one: without the programs
# that compute its dependencies, or from a build tree whose layout does not
# put the game in /usr/games.
#
#   cmake -DCPACK=... -DBUDOWA=... -DKATALOG=... -P pakiet_bez_narzedzi.cmake

cmake_policy(VERSION 3.25)

file(REMOVE_RECURSE "${KATALOG}")
file(MAKE_DIRECTORY "${KATALOG}/pusty")

# case name | environment | cpack arguments | what the message must say
set(przypadki
    "bez_file_i_dpkg-dev|PATH=${KATALOG}/pusty||apt-get install file dpkg-dev"
    "uklad_bez_games||-D,CPACK_KWADRAT11_BINDIR=bin|/usr/games")

set(bledy "")
foreach(przypadek IN LISTS przypadki)
    string(REPLACE "|" ";" pola "${przypadek}")
    list(GET pola 0 nazwa)
    list(GET pola 1 srodowisko)
    list(GET pola 2 argumenty)
    list(GET pola 3 komunikat)
    string(REPLACE "," ";" argumenty "${argumenty}")
    set(wyjscie_cpack "${KATALOG}/${nazwa}")
    execute_process(
        COMMAND "${CMAKE_COMMAND}" -E env ${srodowisko}
            "${CPACK}" --config "${BUDOWA}/CPackConfig.cmake" -G DEB -B "${wyjscie_cpack}" ${argumenty}
        RESULT_VARIABLE status
        OUTPUT_VARIABLE wyjscie
        ERROR_VARIABLE wyjscie)
    file(GLOB_RECURSE pakiety "${wyjscie_cpack}/*.deb")
    if(status EQUAL 0)
        string(APPEND bledy "${nazwa}: cpack succeeded\n")
    endif()
    if(pakiety)
        string(APPEND bledy "${nazwa}: a package was written: ${pakiety}\n")
    endif()
    string(FIND "${wyjscie}" "${komunikat}" gdzie)
    if(gdzie EQUAL -1)
        string(APPEND bledy "${nazwa}: the message does not say '${komunikat}':\n${wyjscie}\n")
    endif()
endforeach()

if(NOT bledy STREQUAL "")
    message(FATAL_ERROR "${bledy}")
endif()
