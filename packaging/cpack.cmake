# `make deb`: build/vorlant_<version>_<arch>.deb of everything the install rules put in place,
# its library dependencies computed from the executable.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vorlant)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "test and train short-term visual memory")
# Kept within 80 columns, as Debian's terminals show it.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "A 4 x 4 board lights a random sequence of cells and the user clicks it back;"
    "the length of the sequence adapts to the user. Every attempt is logged, saved"
    "per person as a results file and shown as a bar chart that can be printed,"
    "and an archive window reopens saved results. The cells can be empty,"
    "numbered, lettered or covered with pictures for children."
    "The user interface is in Czech.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VORLANT_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the program and its module link (Qt, libxlsxwriter, ...) become dependencies
# through dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads these at run time, so the executable does not name them: the window system's
# platform plugin, the Czech texts of Qt's own dialogs, and Arial's metric twin.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# qt6-wayland lets the program run as a native client of a Wayland desktop.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-liberation2, qt6-wayland")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
