# The Debian package is built with the flags Debian builds its own packages with:
# position-independent executables, full RELRO with immediate binding, fortified
# sources and the strong stack protector, exactly as dpkg-buildflags gives them (with
# every hardening feature on). Developer builds keep their own flags.
find_program(DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
foreach(kind IN ITEMS CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                ${DPKG_BUILDFLAGS} --get ${kind}
        OUTPUT_VARIABLE debian_${kind} OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
endforeach()
string(APPEND CMAKE_CXX_FLAGS " ${debian_CPPFLAGS} ${debian_CXXFLAGS}")
string(APPEND CMAKE_EXE_LINKER_FLAGS " ${debian_LDFLAGS}")
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
