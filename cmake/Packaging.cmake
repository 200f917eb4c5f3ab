# A Debian package of the two programs with their desktop files and the Python module; its
# dependencies are worked out from the libraries the programs link (the Qt 6 runtime), plus the
# window's fonts and the Python the module was built for.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarnvale)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Tarnvale project")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "cellular radio channel calculator")
set(CPACK_PACKAGE_DESCRIPTION
    "Turns channel numbers of cellular radio bands into downlink and uplink\n\
carrier frequencies and back. A desktop window covers CDMA, GSM, WCDMA,\n\
IS-136 and AMPS bands with a spectrum picture, and looks any channel number\n\
or frequency up in every band. The command-line tool tarnvale-cli adds LTE\n\
(EARFCN), 5G NR (NR-ARFCN and GSCN) and UMTS (UARFCN) for scripts, with CSV\n\
or JSON Lines output, and the Python module tarnvale gives both to\n\
scripts and notebooks.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${TARNVALE_PACKAGE_RELEASE})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${TARNVALE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
if(TARNVALE_PYTHON_DEPENDS)
    string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", ${TARNVALE_PYTHON_DEPENDS}")
endif()
include(CPack)
