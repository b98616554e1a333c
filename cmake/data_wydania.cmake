# The release date, as seconds since 1970 (SOURCE_DATE_EPOCH): every date and
# timestamp that goes into an artifact is taken from it, so that two builds of
# one commit are identical wherever and whenever they run. In order:
#   - SOURCE_DATE_EPOCH from the environment, as a distribution's builder sets it;
#   - in an unpacked source tarball, data_wydania.txt, into which git archive
#     writes the commit's date (export-subst in .gitattributes);
#   - in a git checkout, the date of the commit checked out;
#   - otherwise now. Such a build is not reproducible: the game and its tests
#     are fine, but no package is made from it (CPackOpcje.cmake.in).
# Sets KWADRAT11_DATA_WYDANIA; KWADRAT11_DATA_Z_ZRODEL, OFF when the date is
# now, with KWADRAT11_BRAK_DATY saying why and KWADRAT11_BRAK_DATY_PAKIET
# naming the package that would mend it, if one would; and exports
# SOURCE_DATE_EPOCH for configure-time timestamps.

set(KWADRAT11_DATA_Z_ZRODEL ON)
set(KWADRAT11_BRAK_DATY "")
set(KWADRAT11_BRAK_DATY_PAKIET "")
if(DEFINED ENV{SOURCE_DATE_EPOCH} AND "$ENV{SOURCE_DATE_EPOCH}" MATCHES "^[0-9]+$")
    set(KWADRAT11_DATA_WYDANIA "$ENV{SOURCE_DATE_EPOCH}")
else()
    file(STRINGS "${CMAKE_CURRENT_LIST_DIR}/data_wydania.txt" KWADRAT11_DATA_WYDANIA LIMIT_COUNT 1)
    if(NOT KWADRAT11_DATA_WYDANIA MATCHES "^[0-9]+$")
        set(KWADRAT11_DATA_WYDANIA "")
        find_package(Git QUIET)
        if(Git_FOUND)
            execute_process(
                COMMAND "${GIT_EXECUTABLE}" log -1 --format=%ct
                WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
                OUTPUT_VARIABLE KWADRAT11_DATA_WYDANIA
                OUTPUT_STRIP_TRAILING_WHITESPACE
                ERROR_QUIET)
        endif()
        if(NOT KWADRAT11_DATA_WYDANIA MATCHES "^[0-9]+$")
            string(TIMESTAMP KWADRAT11_DATA_WYDANIA "%s" UTC)
            set(KWADRAT11_DATA_Z_ZRODEL OFF)
            if(NOT Git_FOUND AND EXISTS "${PROJECT_SOURCE_DIR}/.git")
                # A checkout whose date cannot be read: the program is missing,
                # not the history.
                set(KWADRAT11_BRAK_DATY "git is not installed")
                set(KWADRAT11_BRAK_DATY_PAKIET git)
                message(WARNING
                    "This is a git checkout, but the program git is not installed "
                    "(apt-get install git). Without it the build cannot read the commit's "
                    "date: what it builds is dated today, not by the commit, so no package "
                    "can be made and the tests that make one are not run.")
            else()
                set(KWADRAT11_BRAK_DATY
                    "neither a git checkout nor a source tarball, and SOURCE_DATE_EPOCH is not set")
                message(STATUS "Neither a git checkout nor a source tarball: what is built is "
                    "dated now, and no package can be made (set SOURCE_DATE_EPOCH to make one)")
            endif()
        endif()
    endif()
    # The build tree's own timestamps (string(TIMESTAMP)) follow it as well.
    set(ENV{SOURCE_DATE_EPOCH} "${KWADRAT11_DATA_WYDANIA}")
endif()
