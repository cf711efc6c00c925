# shellcheck shell=bash
# Bare Debian roots for the checks that must start from nothing (tools/check-fresh,
# tools/release, tools/check-release). Sourced; the caller sets `tool` (its name, for
# messages) and calls, in order:
#   fresh_root_release debian-12|debian-13   sets suite, or fails on another name
#   fresh_root_make                          a minimal root in $root, with the user pupil
#   fresh_root_run SECONDS SCRIPT ARGS...    runs SCRIPT in the root, in private mount
#                                            and PID namespaces, within SECONDS
# The root comes from mmdebstrap --variant=minbase plus sudo, git and ca-certificates,
# from the Debian archive this machine's own apt sources name (fresh_root_tarball, which
# also makes the buildd roots that sbuild and autopkgtest start from). Kept between
# runs, in PIZARRIN_FRESH_CACHE (/var/cache/pizarrin-fresh): the bare systems as
# tarballs, made again when a week old, and the downloaded .deb files; nothing
# installed or built.
# PIZARRIN_FRESH_KEEP=1 leaves the root in /var/tmp afterwards, to look into.

# shellcheck source=tools/lib/packages.sh
. "$(dirname "${BASH_SOURCE[0]}")/packages.sh"

fresh_started=$SECONDS
say() { printf '%s [%4ds]: %s\n' "${tool:?}" $((SECONDS - fresh_started)) "$*"; }
fail() {
    say "FAILED: $*" >&2
    exit 1
}

fresh_root_release() { # debian-12|debian-13
    case $1 in
    debian-12) suite=bookworm ;;
    debian-13) suite=trixie ;;
    *) return 1 ;;
    esac
}

# The archive this machine installs from: the address apt gives for its own release's
# main component, and the security archive beside it when it uses one.
fresh_archives() {
    local host_codename
    host_codename=$(sed -n 's/^VERSION_CODENAME=//p' /etc/os-release)
    archive=$(fresh_archive_for "$host_codename")
    if [ -z "$archive" ]; then
        apt-get update -qq
        archive=$(fresh_archive_for "$host_codename")
    fi
    [ -n "$archive" ] || fail "no Debian archive for $host_codename in this machine's apt sources"
    security=$(fresh_archive_for "$host_codename-security")
}

# A bare system of $suite as a tarball, made with mmdebstrap when missing or a week old,
# and its path in $tarball. minbase: what a new user's machine starts from (tools/
# check-fresh, piuparts, autopkgtest); buildd: what a Debian build starts from (sbuild).
fresh_root_tarball() { # minbase|buildd
    local variant=$1 include=() log
    [ "$variant" = buildd ] || include=("--include=ca-certificates,git,sudo")
    fresh_archives
    cache=${PIZARRIN_FRESH_CACHE:-/var/cache/pizarrin-fresh}/$suite
    mkdir -p "$cache/archives/partial"
    if [ "$variant" = buildd ]; then tarball=$cache/buildd.tar; else tarball=$cache/minbase.tar.gz; fi
    [ -z "$(find "$tarball" -mtime -7 2>/dev/null)" ] || return 0
    install_missing mmdebstrap uidmap >/dev/null
    say "mmdebstrap --variant=$variant $suite from $archive"
    log=$(mktemp /var/tmp/pizarrin-mmdebstrap.XXXXXX)
    timeout 1200 mmdebstrap --mode=unshare --variant="$variant" "${include[@]}" "$suite" "$tarball.new.${tarball##*.}" \
        "deb $archive $suite main" "deb $archive $suite-updates main" \
        ${security:+"deb $security $suite-security main"} >"$log" 2>&1 \
        || { tail -n 30 "$log" >&2; rm -f "$log"; fail "mmdebstrap"; }
    rm -f "$log"
    mv "$tarball.new.${tarball##*.}" "$tarball"
}

fresh_root_make() {
    if [ "$(id -u)" -ne 0 ]; then
        fail "making and entering a root needs root"
    fi
    fresh_root_tarball minbase
    work=$(mktemp -d /var/tmp/pizarrin-fresh.XXXXXX)
    if [ "${PIZARRIN_FRESH_KEEP:-}" = 1 ]; then
        trap 'say "the root is left in $work/root"' EXIT
    else
        trap 'rm -rf --one-file-system "$work"' EXIT
    fi
    root=$work/root
    mkdir "$root"
    tar -C "$root" -xf "$tarball"
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    # A bare root has no /etc/hosts. sudo looks up the machine's host name, which the
    # root shares, and reprotest's sudo -h localhost; neither may depend on whether
    # this network's DNS happens to answer for localhost.
    printf '127.0.0.1 localhost\n::1 localhost ip6-localhost ip6-loopback\n127.0.1.1 %s\n' \
        "$(hostname)" >>"$root/etc/hosts"
    # A new user's account, which may use sudo.
    chroot "$root" useradd --create-home --shell /bin/bash pupil
    echo "pupil ALL=(ALL) NOPASSWD: ALL" >"$root/etc/sudoers.d/pupil"
    chmod 0440 "$root/etc/sudoers.d/pupil"
}

fresh_archive_for() { # SUITE
    apt-cache policy | awk -v s="$1/main" '$3 == s && $2 ~ /^https?:/ { print $2; exit }'
}

fresh_root_run() { # SECONDS SCRIPT ARGS...
    local deadline=$1 script=$2
    shift 2
    cp "$script" "$root/fresh-steps"
    timeout --kill-after=30 "$deadline" unshare --mount --pid --fork --kill-child --mount-proc="$root/proc" \
        "$(dirname "${BASH_SOURCE[0]}")/enter-root" "$root" "$cache" "$@"
}
