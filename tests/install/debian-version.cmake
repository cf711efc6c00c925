# The Debian package's upstream version is project()'s: the newest entry of
# debian/changelog must be VERSION-REVISION. -DCHANGELOG=<file> -DVERSION=<version>
file(STRINGS ${CHANGELOG} newest LIMIT_COUNT 1)
string(REPLACE "." "\\." version_pattern "${VERSION}")
if(NOT newest MATCHES "^pizarrin \\(${version_pattern}-[1-9][0-9]*\\) ")
    message(FATAL_ERROR "debian/changelog's newest entry, \"${newest}\", is not version "
                        "${VERSION}-N: project() and the changelog must agree (dch -v ${VERSION}-1)")
endif()
message(STATUS "debian/changelog: ${newest}")
