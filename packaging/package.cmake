# The Debian package: `cmake --preset deb && cmake --build --preset deb --target package`
# (CPack) writes pizarrin_<version>-<revision>_<arch>.deb into build/deb.

# Who maintains the package. Debian's convention first: DEBFULLNAME and DEBEMAIL, as
# dch and debmake take them; otherwise this one setting. There is no default address:
# a package must name a real person or team that answers for it.
set(PIZARRIN_MAINTAINER "" CACHE STRING
    "The package's maintainer, \"Name <address>\"; DEBFULLNAME and DEBEMAIL take precedence")
if(DEFINED ENV{DEBFULLNAME} AND DEFINED ENV{DEBEMAIL}
   AND NOT "$ENV{DEBFULLNAME}" STREQUAL "" AND NOT "$ENV{DEBEMAIL}" STREQUAL "")
    set(package_maintainer "$ENV{DEBFULLNAME} <$ENV{DEBEMAIL}>")
else()
    set(package_maintainer "${PIZARRIN_MAINTAINER}")
endif()
if(NOT package_maintainer MATCHES "^[^<>]+ <[^<> ]+@[^<> ]+>$")
    set(maintainer_missing
        "The package needs a maintainer with an address: set DEBFULLNAME and DEBEMAIL (or "
        "PIZARRIN_MAINTAINER=\"Name <address>\") and configure again")
    if(PIZARRIN_DEBIAN_PACKAGE)
        message(FATAL_ERROR ${maintainer_missing})
    endif()
    set(package_maintainer "The Pizarrin developers")
endif()

set(package_revision 1)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pizarrin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Pizarrin developers")
set(CPACK_PACKAGE_CONTACT "${package_maintainer}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${package_maintainer}")
set(CPACK_DEBIAN_PACKAGE_RELEASE ${package_revision})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "long multiplication practice, as in a school notebook")
# The long description, as dpkg shows it below the summary: lines under 80 columns,
# paragraphs apart.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Pizarrin lets primary-school pupils practise long multiplication exactly as
they write it in a squared notebook: two random factors of one to six digits
each, one row of answer cells for every partial product, a rule, and the
product underneath. The pupil writes one digit per cell, right to left.

The program checks every row, marks it with a tick or a cross, grades the
work out of ten (each wrong attempt costs a point) and lists each pupil's
name, grade, difficulty and time. Teachers can see the expected values with
an access code. Results are never saved: they last as long as the window.

The interface is in Spanish. The program reads and writes no files and
uses no network.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
if(PIZARRIN_HOMEPAGE)
    set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PIZARRIN_HOMEPAGE}")
elseif(PIZARRIN_DEBIAN_PACKAGE)
    # Software centres (AppStream 1.0, and lintian through it) want a home page.
    message(FATAL_ERROR "The package needs a home page: configure with "
                        "-DPIZARRIN_HOMEPAGE=https://... (where you publish it)")
endif()
set(CPACK_STRIP_FILES ON)
# The Qt and C++ libraries come from the binary itself (dpkg-shlibdeps); the platform
# plugins and the font faces the window uses in place of Times New Roman, MS Sans Serif
# and Fixedsys are loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Liberation 2 (Debian 13) dropped the narrow face of the multiplication sign; Debian
# ships it on its own there, and Debian 12's Liberation still has it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, fonts-liberation, fonts-liberation-sans-narrow | fonts-liberation (<< 1:2)")

# The Debian changelog, kept in the repository and signed off by the maintainer above,
# and the manual pages, compressed as Debian installs them.
find_program(GZIP gzip REQUIRED)
configure_file(packaging/changelog.in changelog @ONLY)
set(compressed)
function(pizarrin_gzip source output)
    add_custom_command(OUTPUT ${output}
        COMMAND ${GZIP} -9nc ${source} > ${output}
        DEPENDS ${source} VERBATIM)
    set(compressed ${compressed} ${output} PARENT_SCOPE)
endfunction()
set(packaged ${CMAKE_CURRENT_BINARY_DIR}/packaged)
file(MAKE_DIRECTORY ${packaged}/es)
pizarrin_gzip(${CMAKE_CURRENT_BINARY_DIR}/changelog ${packaged}/changelog.Debian.gz)
# The manual pages name the version, which comes from project() alone.
configure_file(data/man/pizarrin.1.in man/pizarrin.1 @ONLY)
configure_file(data/man/pizarrin.es.1.in man/pizarrin.es.1 @ONLY)
pizarrin_gzip(${CMAKE_CURRENT_BINARY_DIR}/man/pizarrin.1 ${packaged}/pizarrin.1.gz)
pizarrin_gzip(${CMAKE_CURRENT_BINARY_DIR}/man/pizarrin.es.1 ${packaged}/es/pizarrin.1.gz)
add_custom_target(pizarrin_packaged_docs ALL DEPENDS ${compressed})
install(FILES ${packaged}/changelog.Debian.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/pizarrin)
install(FILES ${packaged}/pizarrin.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${packaged}/es/pizarrin.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/es/man1)
install(FILES packaging/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
    RENAME pizarrin)
include(CPack)
