# The Debian package: `cmake --build <dir> --target package` (CPack) writes
# pizarrin_<version>_<arch>.deb into the build directory.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pizarrin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Pizarrin developers")
set(CPACK_PACKAGE_CONTACT "The Pizarrin developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "long multiplication practice, as in a school notebook")
set(CPACK_PACKAGE_DESCRIPTION
    "Pizarrin lets primary-school pupils practise long multiplication exactly as they write it in a squared notebook. It checks every row, marks it right or wrong, grades the work out of ten and keeps a list of results. The interface is in Spanish.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://pizarrin.org")
# The Qt and C++ libraries come from the binary itself (dpkg-shlibdeps); the platform
# plugins and the font faces the window uses in place of Times New Roman, MS Sans Serif
# and Fixedsys are loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
include(CPack)
