# Checks the source tarball as make distcheck would: makes it with cpack,
# unpacks it, and builds and tests the unpacked tree with the plain commands
# of the README, so that a file missing from it fails here.
#
#   cmake -DCPACK=... -DCTEST=... -DBUDOWA=... -DKATALOG=... -DNAZWA=kwadrat11-<version>
#         -P zrodla.cmake

cmake_policy(VERSION 3.25)

include("${CMAKE_CURRENT_LIST_DIR}/uruchom.cmake")

file(REMOVE_RECURSE "${KATALOG}")
file(MAKE_DIRECTORY "${KATALOG}")
uruchom("${KATALOG}" "${CPACK}" --config "${BUDOWA}/CPackSourceConfig.cmake" -B "${KATALOG}")
set(tarball "${KATALOG}/${NAZWA}.tar.gz")
if(NOT EXISTS "${tarball}")
    message(FATAL_ERROR "cpack wrote no ${NAZWA}.tar.gz")
endif()

file(MAKE_DIRECTORY "${KATALOG}/rozpakowane")
uruchom("${KATALOG}/rozpakowane" "${CMAKE_COMMAND}" -E tar xzf "${tarball}")
file(GLOB gora RELATIVE "${KATALOG}/rozpakowane" "${KATALOG}/rozpakowane/*")
if(NOT gora STREQUAL NAZWA)
    message(FATAL_ERROR "the tarball's top level is '${gora}', expected one folder ${NAZWA}/")
endif()

# A build from the tarball is dated by the commit, as one from the checkout.
set(drzewo "${KATALOG}/rozpakowane/${NAZWA}")
file(STRINGS "${drzewo}/cmake/data_wydania.txt" data)
if(NOT data MATCHES "^[0-9]+$")
    message(FATAL_ERROR "cmake/data_wydania.txt in the tarball holds '${data}', not the commit's date")
endif()

uruchom("${drzewo}" "${CMAKE_COMMAND}" -S . -B build)
uruchom("${drzewo}" "${CMAKE_COMMAND}" --build build --parallel 2)
execute_process(COMMAND "${CTEST}" --test-dir build --output-on-failure
    WORKING_DIRECTORY "${drzewo}"
    RESULT_VARIABLE status
    OUTPUT_VARIABLE wyjscie
    ERROR_VARIABLE wyjscie)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "the tests of the unpacked tarball failed:\n${wyjscie}")
endif()
string(REGEX MATCH "[0-9]+% tests passed[^\n]*" podsumowanie "${wyjscie}")
message(STATUS "unpacked tarball: ${podsumowanie}")
