# A Debian package of the two programs with their desktop files; its dependencies are worked
# out from the libraries the programs link (the Qt 6 runtime), plus the window's fonts.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarnvale)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Tarnvale project")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Cellular radio channel calculator")
set(CPACK_PACKAGE_DESCRIPTION
    "Turns channel numbers of CDMA, GSM, WCDMA, IS-136 and AMPS bands into downlink and\n uplink carrier frequencies, in a desktop window and in the command-line tool tarnvale-cli.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Tarnvale developers <developers@tarnvale.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
include(CPack)
