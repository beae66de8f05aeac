# `cpack -G DEB` (run in the build folder after building) packages the install layout under /usr.
set(CPACK_PACKAGE_NAME corvane)
set(CPACK_PACKAGE_VENDOR "Halvik Audio")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Multi-voice vector-space audio effect (stand-alone, VST3, LV2)")
set(CPACK_PACKAGE_DESCRIPTION
    "Corvane copies its input into up to 16 voices, runs each through three effect slots whose\n"
    "parameters are displaced by the voice's place in three vector spaces, and mixes the voices\n"
    "back with the dry signal. Stand-alone application, VST3 and LV2 plug-ins, offline renderer.")
set(CPACK_PACKAGE_CONTACT "Halvik Audio <support@halvikaudio.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_LICENSE GPL-3.0-or-later)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://halvikaudio.example")
# The library dependencies are read from the binaries by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "jalv, lilv-utils")

include(CPack)
