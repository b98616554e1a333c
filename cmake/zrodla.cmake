# cpack's External generator runs this for the source tarball: git archive of
# the commit checked out, in a top folder NAME-VERSION/. git writes the same
# bytes for the same commit (file times are the commit's, gzip keeps no name
# or time), and export-subst puts the commit's date into data_wydania.txt, so
# that a build from the tarball is dated like one from the checkout.

set(zrodla "${CPACK_KWADRAT11_ZRODLA}")
set(nazwa "${CPACK_PACKAGE_FILE_NAME}")
set(tarball "${CPACK_TEMPORARY_DIRECTORY}/${nazwa}.tar.gz")

find_package(Git QUIET)
if(NOT Git_FOUND)
    message(FATAL_ERROR "The source tarball is made with git: sudo apt-get install git")
endif()
include("${CMAKE_CURRENT_LIST_DIR}/checkout_git.cmake")
kwadrat11_checkout_git("${zrodla}" checkout_git)
if(NOT checkout_git)
    message(FATAL_ERROR "The source tarball is made from a git checkout; ${zrodla} is not one")
endif()
execute_process(
    COMMAND "${GIT_EXECUTABLE}" -C "${zrodla}" status --porcelain --untracked-files=no
    OUTPUT_VARIABLE zmiany)
if(NOT zmiany STREQUAL "")
    message(WARNING "The source tarball holds the last commit; changes not committed are left out:\n${zmiany}")
endif()

file(MAKE_DIRECTORY "${CPACK_TEMPORARY_DIRECTORY}")
execute_process(
    COMMAND "${GIT_EXECUTABLE}" -C "${zrodla}" archive --format=tar.gz "--prefix=${nazwa}/"
        -o "${tarball}" HEAD
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "git archive failed: ${status}")
endif()
set(CPACK_EXTERNAL_BUILT_PACKAGES "${tarball}")
