# shellcheck shell=bash
# Debian's own packaging tools on this machine, for tools/release, tools/check-release
# and tools/repository. Sourced after fresh-root.sh (for say, fail and install_missing).

debian_tools_install() {
    install_missing mmdebstrap sbuild uidmap devscripts dpkg-dev blhc autopkgtest piuparts \
        reprepro gnupg xz-utils >/dev/null
}

# sbuild and autopkgtest build in user namespaces, as the subordinate ids of whoever
# runs them; Debian gives every new user a range, but not root.
debian_tools_subids() {
    local user
    user=$(id -un)
    if ! grep -q "^$user:" /etc/subuid 2>/dev/null || ! grep -q "^$user:" /etc/subgid 2>/dev/null; then
        [ "$(id -u)" -eq 0 ] || fail "$user has no subordinate ids in /etc/subuid and /etc/subgid: ask an administrator (usermod --add-subuids)"
        say "giving root the subordinate ids 1000000-1065535, for user namespaces"
        usermod --add-subuids 1000000-1065535 --add-subgids 1000000-1065535 root
    fi
}

# Every compilation in a build log carries Debian's hardening flags. CMake's moc step
# asks the compiler only for its predefined macros (-dM -E), and compiles nothing.
debian_tools_blhc() { # BUILD_LOG
    blhc --debian --all --line-numbers --ignore-line '.* -dM -E -c .*CMakeCXXCompilerABI\.cpp.*' "$1"
}
