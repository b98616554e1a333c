# Builds the commit checked out twice, from two clones in different folders
# and at different times, with the configure preset PRESET and the package
# presets PAKIETY, and requires every package to come out byte for byte the
# same: no timestamp and no build path may reach them.
#
#   cmake -DZRODLA=... -DKATALOG=... -DPRESET=... -DPAKIETY=a,b -DWZORCE=*.deb,*.tar.gz
#         -DCPACK=... -P powtarzalnosc.cmake

cmake_policy(VERSION 3.25)
find_package(Git REQUIRED)
string(REPLACE "," ";" PAKIETY "${PAKIETY}")
string(REPLACE "," ";" WZORCE "${WZORCE}")

include("${CMAKE_CURRENT_LIST_DIR}/uruchom.cmake")

file(REMOVE_RECURSE "${KATALOG}")
file(MAKE_DIRECTORY "${KATALOG}")
set(kopie "${KATALOG}/pierwsza/kwadrat11" "${KATALOG}/druga-w-innym-miejscu/zrodla")
foreach(kopia IN LISTS kopie)
    uruchom("${KATALOG}" "${GIT_EXECUTABLE}" clone --quiet "${ZRODLA}" "${kopia}")
    # Whatever time the files of the two clones get, it must not matter.
    execute_process(COMMAND "${CMAKE_COMMAND}" -E sleep 1)
    uruchom("${kopia}" "${CMAKE_COMMAND}" --preset ${PRESET} -DBUILD_TESTING=OFF)
    uruchom("${kopia}" "${CMAKE_COMMAND}" --build --preset ${PRESET})
    foreach(pakiet IN LISTS PAKIETY)
        uruchom("${kopia}" "${CPACK}" --preset ${pakiet})
    endforeach()
    set(pliki "")
    foreach(wzorzec IN LISTS WZORCE)
        file(GLOB znalezione RELATIVE "${kopia}" "${kopia}/build/${PRESET}/${wzorzec}")
        if(NOT znalezione)
            message(FATAL_ERROR "${kopia}: no package matches build/${PRESET}/${wzorzec}")
        endif()
        list(APPEND pliki ${znalezione})
    endforeach()
endforeach()

set(rozne "")
list(GET kopie 0 pierwsza)
list(GET kopie 1 druga)
foreach(plik IN LISTS pliki)
    file(SHA256 "${pierwsza}/${plik}" a)
    file(SHA256 "${druga}/${plik}" b)
    if(NOT a STREQUAL b)
        string(APPEND rozne "  ${plik}\n")
    endif()
endforeach()
if(NOT rozne STREQUAL "")
    message(FATAL_ERROR "built twice, these differ:\n${rozne}(the two builds are in ${KATALOG})")
endif()
message(STATUS "identical: ${pliki}")
