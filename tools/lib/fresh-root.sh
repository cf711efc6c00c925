# shellcheck shell=bash
# Bare Debian roots for the checks that must start from nothing (tools/check-fresh,
# tools/release, tools/check-release). Sourced; the caller sets `tool` (its name, for
# messages) and calls, in order:
#   fresh_root_release debian-12|debian-13   sets suite, or fails on another name
#   fresh_root_make                          a minimal root in $root, with the user pupil
#   fresh_root_run SECONDS SCRIPT ARGS...    runs SCRIPT in the root, in private mount
#                                            and PID namespaces, within SECONDS
# The root comes from debootstrap --variant=minbase plus sudo, git and ca-certificates,
# from the Debian archive this machine's own apt sources name. Kept between runs, in
# PIZARRIN_FRESH_CACHE (/var/cache/pizarrin-fresh): the bare base system, made again
# when it is a week old, and the downloaded .deb files; nothing installed or built.
# PIZARRIN_FRESH_KEEP=1 leaves the root in /var/tmp afterwards, to look into.

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

fresh_root_make() {
    if [ "$(id -u)" -ne 0 ]; then
        fail "making and entering a root needs root"
    fi
    if ! command -v debootstrap >/dev/null; then
        say "installing debootstrap"
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap >/dev/null
    fi

    # The archive this machine installs from: the address apt gives for its own
    # release's main component, and the security archive beside it when it uses one.
    local host_codename archive security
    host_codename=$(sed -n 's/^VERSION_CODENAME=//p' /etc/os-release)
    archive=$(fresh_archive_for "$host_codename")
    if [ -z "$archive" ]; then
        apt-get update -qq
        archive=$(fresh_archive_for "$host_codename")
    fi
    [ -n "$archive" ] || fail "no Debian archive for $host_codename in this machine's apt sources"
    security=$(fresh_archive_for "$host_codename-security")

    cache=${PIZARRIN_FRESH_CACHE:-/var/cache/pizarrin-fresh}/$suite
    mkdir -p "$cache/archives/partial"
    work=$(mktemp -d /var/tmp/pizarrin-fresh.XXXXXX)
    if [ "${PIZARRIN_FRESH_KEEP:-}" = 1 ]; then
        trap 'say "the root is left in $work/root"' EXIT
    else
        trap 'rm -rf --one-file-system "$work"' EXIT
    fi

    # The bare base system, made again when it is a week old.
    if [ -z "$(find "$cache/base.tar" -mtime -7 2>/dev/null)" ]; then
        say "debootstrap $suite from $archive"
        timeout 1200 debootstrap --variant=minbase --include=ca-certificates,git,sudo \
            --cache-dir="$cache/archives" "$suite" "$work/base" "$archive" >"$work/debootstrap.log" 2>&1 \
            || { tail -n 30 "$work/debootstrap.log" >&2; fail "debootstrap"; }
        tar -C "$work/base" -cf "$cache/base.tar.new" .
        mv "$cache/base.tar.new" "$cache/base.tar"
        rm -rf --one-file-system "$work/base"
    fi

    root=$work/root
    mkdir "$root"
    tar -C "$root" -xf "$cache/base.tar"
    {
        echo "deb $archive $suite main"
        echo "deb $archive $suite-updates main"
        [ -z "$security" ] || echo "deb $security $suite-security main"
    } >"$root/etc/apt/sources.list"
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    # The root shares this machine's host name, which sudo looks up.
    echo "127.0.1.1 $(hostname)" >>"$root/etc/hosts"
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
