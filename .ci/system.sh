#!/usr/bin/env bash
# A clean Debian system in a folder, made by mmdebstrap from Debian's own packages, and commands
# run in it by bwrap (bubblewrap):
#   system.sh make RELEASE DIR      makes DIR a minimal Debian RELEASE (bookworm, trixie ...), once
#   system.sh copy DIR              brings DIR/root/kelvora up to this working tree (what git
#                                   tracks or would track), keeping the build folders there
#   system.sh run DIR COMMAND...    runs COMMAND as root inside DIR, from /root/kelvora
# Inside, DIR is the whole file system: a /dev of its own (null, zero, random, tty, pts, shm; no
# disks), its own processes in /proc, the host's /sys read-only, /tmp and /run fresh in memory,
# and the host's network. When the command ends or is killed, everything it started ends too.
# Packages come from the mirror this machine's apt uses. Making a system and running in it take
# root: a user other than root is asked for it by sudo (git reads the working tree as that user).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
root=()
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "system.sh: needs root: run it as root, or install sudo" >&2; exit 1; }
    root=(sudo)
fi

# mirror_lines RELEASE: the sources for RELEASE, on the hosts this machine's apt reads from.
mirror_lines() {
    local release=$1 host uri security
    host=$(. /etc/os-release && echo "$VERSION_CODENAME")
    uri=$(apt-get indextargets --format '$(REPO_URI) $(RELEASE)' | awk -v r="$host" '$2 == r { print $1; exit }')
    security=$(apt-get indextargets --format '$(REPO_URI) $(RELEASE)' |
        awk -v r="$host-security" '$2 == r { print $1; exit }')
    [ -n "$uri" ] || { echo "system.sh: apt has no source for $host" >&2; exit 1; }
    echo "deb $uri $release main"
    echo "deb $uri $release-updates main"
    [ -z "$security" ] || echo "deb $security $release-security main"
}
# need COMMAND PACKAGE: installs PACKAGE on this machine where COMMAND is missing.
need() {
    command -v "$1" >/dev/null && return 0
    "${root[@]}" apt-get update -qq
    "${root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$2"
}

case "${1:-}" in
make)
    release=$2 dir=$3
    [ -f "$dir/etc/os-release" ] && exit 0
    mkdir -p "$(dirname "$dir")"
    dir=$(cd "$(dirname "$dir")" && pwd)/$(basename "$dir")
    need mmdebstrap mmdebstrap
    mapfile -t sources < <(mirror_lines "$release")
    "${root[@]}" rm -rf "$dir.part"
    "${root[@]}" mmdebstrap --quiet --variant=apt --include=ca-certificates "$release" "$dir.part" "${sources[@]}"
    "${root[@]}" mv "$dir.part" "$dir"
    ;;
copy)
    # The names travel as data (NUL-separated, taken verbatim by tar), and the files are written
    # from inside the system, where no link in it can point out of it. Only files whose bytes
    # changed are written, with the time of writing, so that the build folders there rebuild
    # what changed, whatever the files' own times.
    (cd "$here" && git ls-files -z --cached --others --exclude-standard |
        while IFS= read -r -d '' file; do [ -e "$file" ] && printf '%s\0' "$file"; done |
        tar --null --verbatim-files-from --no-recursion -T - -cf -) |
        "$0" run "$2" bash -c '
            set -euo pipefail
            mkdir -p /tmp/fresh /root/kelvora
            tar -xf - -C /tmp/fresh
            cd /tmp/fresh
            find . -type f -print0 | while IFS= read -r -d "" file; do
                cmp -s "$file" "/root/kelvora/$file" && continue
                rm -rf "/root/kelvora/$file"
                mkdir -p "$(dirname "/root/kelvora/$file")"
                cp "$file" "/root/kelvora/$file"
            done
            cd /root/kelvora
            find . -path "./build*" -prune -o \( -type f -o -type l \) -print0 |
                while IFS= read -r -d "" file; do
                    [ -e "/tmp/fresh/$file" ] || rm -f "$file"
                done'
    ;;
run)
    dir=$(cd "$2" && pwd)
    shift 2
    need bwrap bubblewrap
    # The host's resolv.conf is read where it is and written in the system from inside, so that
    # a link there cannot send the write out of it.
    exec "${root[@]}" bwrap --bind "$dir" / --dev /dev --perms 1777 --tmpfs /dev/shm --proc /proc --ro-bind /sys /sys --perms 1777 --tmpfs /tmp --tmpfs /run \
        --ro-bind /etc/resolv.conf /run/host-resolv.conf --unshare-pid --unshare-ipc --die-with-parent \
        --clearenv --setenv PATH /usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        --setenv HOME /root --setenv LANG C.UTF-8 --setenv TERM dumb --setenv CI "${CI:-}" \
        --setenv DEBIAN_FRONTEND noninteractive \
        bash -c 'rm -f /etc/resolv.conf && cp /run/host-resolv.conf /etc/resolv.conf &&
            { cd /root/kelvora 2>/dev/null || cd /; } && exec "$@"' - "$@"
    ;;
*)
    echo "usage: $0 make RELEASE DIR | copy DIR | run DIR COMMAND..." >&2
    exit 2
    ;;
esac
