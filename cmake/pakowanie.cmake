# Packages, all made by cpack from the build tree and all reproducible:
#   - on Linux the Debian package (cpack -G DEB), the game in /usr/games;
#   - on Windows the zip of the .exe, the players' text and the licence;
#   - the source tarball (cpack --config CPackSourceConfig.cmake): exactly the
#     files git tracks, at the commit checked out.
# Name, version and summary come from project().

set(CPACK_PACKAGE_VENDOR "the kwadrat11 authors")
set(CPACK_PACKAGE_CONTACT "${KWADRAT11_OPIEKUN}")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_STRIP_FILES ON)
set(CPACK_VERBATIM_VARIABLES ON)
# Read by cpack itself: the checks that stop a broken package, and the date.
configure_file(cmake/CPackOpcje.cmake.in CPackOpcje.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE "${PROJECT_BINARY_DIR}/CPackOpcje.cmake")

if(WIN32)
    set(CPACK_GENERATOR ZIP)
    # Kept apart as well: include(CPack) leaves the source tarball's name in
    # CPACK_PACKAGE_FILE_NAME.
    set(KWADRAT11_ZIP "${PROJECT_NAME}-${PROJECT_VERSION}-win64")
    set(CPACK_PACKAGE_FILE_NAME "${KWADRAT11_ZIP}")
elseif(UNIX)
    set(CPACK_GENERATOR DEB)
    string(CONCAT CPACK_PACKAGE_DESCRIPTION
        "kwadrat11 is a small text-mode puzzle in Polish (written without diacritics).\n"
        "The player gets a 3 x 3 board with four cells given and fills the five empty\n"
        "cells with digits 1 to 9 so that every row and every column sums to 11.\n"
        "The program asks for each empty cell in turn, shows the filled board and\n"
        "tells whether the puzzle is solved.")
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION games)
    set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
    # dpkg-shlibdeps computes the runtime dependencies from the program itself.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_KWADRAT11_BINDIR "${CMAKE_INSTALL_BINDIR}")
endif()

# The source tarball comes from git archive, run by cpack's External generator.
set(CPACK_SOURCE_GENERATOR External)
set(CPACK_SOURCE_PACKAGE_FILE_NAME "${PROJECT_NAME}-${PROJECT_VERSION}")
set(CPACK_EXTERNAL_PACKAGE_SCRIPT "${PROJECT_SOURCE_DIR}/cmake/zrodla.cmake")
set(CPACK_EXTERNAL_ENABLE_STAGING OFF)
set(CPACK_KWADRAT11_ZRODLA "${PROJECT_SOURCE_DIR}")

include(CPack)
