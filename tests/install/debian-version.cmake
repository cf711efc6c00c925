# The Debian package's upstream version is project()'s. The newest entry of
# debian/changelog (-DCHANGELOG=<file>), or the entry line given as -DENTRY=<line>, must
# be [EPOCH:]VERSION[+SNAPSHOT|~PRERELEASE]-REVISION, where REVISION may carry what
# Debian's own rebuilds and backports append (+b1, ~deb12u1, ~bpo12+1, a local suffix).
# -DVERSION=<version>
if(DEFINED CHANGELOG)
    file(STRINGS ${CHANGELOG} newest LIMIT_COUNT 1)
else()
    set(newest "${ENTRY}")
endif()
string(REPLACE "." "\\." version_pattern "${VERSION}")
set(debian_chars "[0-9A-Za-z.+~]")
if(NOT newest MATCHES
   "^pizarrin \\(([0-9]+:)?${version_pattern}([+~]${debian_chars}*)?-${debian_chars}+\\) ")
    message(FATAL_ERROR "debian/changelog's newest entry, \"${newest}\", is not version "
                        "${VERSION}-N: project() and the changelog must agree (dch -v ${VERSION}-1)")
endif()
message(STATUS "debian/changelog: ${newest}")
