#!/usr/bin/env bash
# A clean Debian system in a folder, made from Debian's own packages, and commands run inside it.
#   system.sh make RELEASE DIR      makes DIR a minimal Debian RELEASE (bookworm, trixie ...), once
#   system.sh copy DIR              brings DIR/root/kelvora up to this working tree (what git
#                                   tracks or would track), keeping the build folders there
#   system.sh run DIR COMMAND...    runs COMMAND as root inside DIR, from /root/kelvora
# Packages come from the mirror this machine's apt uses. What a run mounts (/proc, /dev, /dev/shm,
# /sys) lives in a private mount namespace, and its processes in a private process namespace: when
# the command ends, fails or is killed, nothing stays mounted or running.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)

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

case "${1:-}" in
make)
    release=$2 dir=$3
    [ -f "$dir/etc/os-release" ] && exit 0
    mkdir -p "$(dirname "$dir")"
    dir=$(cd "$(dirname "$dir")" && pwd)/$(basename "$dir")
    command -v mmdebstrap >/dev/null || {
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends mmdebstrap
    }
    mapfile -t sources < <(mirror_lines "$release")
    rm -rf "$dir.part"
    mmdebstrap --quiet --variant=apt --include=ca-certificates "$release" "$dir.part" "${sources[@]}"
    mv "$dir.part" "$dir"
    ;;
copy)
    tree=$2/root/kelvora
    fresh=$(mktemp -d)
    trap 'rm -rf "$fresh"' EXIT
    (cd "$here" && git ls-files -z --cached --others --exclude-standard |
        xargs -0 -I{} sh -c 'test -e "{}" && printf "%s\0" "{}"' | tar --null -T - -cf -) |
        tar -xf - -C "$fresh"
    mkdir -p "$tree"
    # Only files whose bytes changed are copied, with the time of copying, so that the build
    # folders there rebuild what changed, whatever the files' own times.
    (cd "$fresh" && find . -type f -print0) | while IFS= read -r -d '' file; do
        cmp -s "$fresh/$file" "$tree/$file" && continue
        mkdir -p "$(dirname "$tree/$file")"
        cp "$fresh/$file" "$tree/$file"
    done
    (cd "$tree" && find . -path './build*' -prune -o -type f -print0) | while IFS= read -r -d '' file; do
        [ -e "$fresh/$file" ] || rm -f "$tree/$file"
    done
    ;;
run)
    dir=$(cd "$2" && pwd)
    shift 2
    cp /etc/resolv.conf "$dir/etc/resolv.conf"
    exec unshare --mount --pid --fork --kill-child --propagation private -- bash -c '
        set -e
        dir=$1
        shift
        mount -t proc proc "$dir/proc"
        mount --rbind /dev "$dir/dev"
        mount -t tmpfs -o mode=1777 shm "$dir/dev/shm"
        mount --rbind /sys "$dir/sys"
        exec env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
            LANG=C.UTF-8 TERM=dumb CI="${CI:-}" chroot "$dir" bash -c "cd /root/kelvora && exec \"\$@\"" - "$@"
    ' - "$dir" "$@"
    ;;
*)
    echo "usage: $0 make RELEASE DIR | copy DIR | run DIR COMMAND..." >&2
    exit 2
    ;;
esac
