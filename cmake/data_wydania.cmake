# The release date, as seconds since 1970 (SOURCE_DATE_EPOCH): every date and
# timestamp that goes into an artifact is taken from it, so that two builds of
# one commit are identical wherever and whenever they run. In order:
#   - SOURCE_DATE_EPOCH from the environment, as a distribution's builder sets it;
#   - in an unpacked source tarball, data_wydania.txt, into which git archive
#     writes the commit's date (export-subst in .gitattributes);
#   - in a git checkout, the date of the commit checked out;
#   - otherwise now.
# Sets KWADRAT11_DATA_WYDANIA and exports SOURCE_DATE_EPOCH for configure-time
# timestamps.

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
            message(STATUS "Neither a git checkout nor a source tarball: artifacts are dated now")
        endif()
    endif()
    # The build tree's own timestamps (string(TIMESTAMP)) follow it as well.
    set(ENV{SOURCE_DATE_EPOCH} "${KWADRAT11_DATA_WYDANIA}")
endif()
