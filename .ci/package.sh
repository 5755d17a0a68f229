#!/usr/bin/env bash
# CI: the Debian package of the commit checked out (HEAD), on each release named (default:
# bookworm trixie), checked by Debian's own tools in clean systems made by system.sh:
#   - reprotest builds it twice in a build system with the build dependencies of debian/control,
#     the second time varied (another folder, a year later, another umask, locale, time zone,
#     kernel name, CPU count, HOME and PATH), and the .deb files must be byte-identical
#     (diffoscope shows the difference when not);
#   - lintian -I --pedantic has nothing to say about the first build's .changes (source and
#     binaries), nor blhc about the flags of its compile lines;
#   - autopkgtest installs the .deb in a second clean system and runs debian/tests there.
# The systems and logs go to build-package/ (KELVORA_PACKAGE_WORK puts them elsewhere); a
# release's systems are removed once it passes, and kept when it fails.
set -euo pipefail
cd "$(dirname "$0")/.."
system=$PWD/.ci/system.sh
work=${KELVORA_PACKAGE_WORK:-$PWD/build-package}
[ $# -gt 0 ] || set -- bookworm trixie
commit=$(git rev-parse --short HEAD)
version=$(git show HEAD:debian/changelog | sed -n '1s/^[^(]*(\([^)]*\)).*/\1/p')
arch=$(dpkg --print-architecture)

# stage NAME COMMAND...: COMMAND with its output in $logs/NAME.log, shown when it fails; prints
# the time it took, or ends the whole run.
stage() {
    local name=$1 start=$SECONDS
    shift
    if "$@" >"$logs/$name.log" 2>&1; then
        printf '%-9s %-11s %4d s\n' "$release" "$name" $((SECONDS - start))
    else
        tail -n 80 "$logs/$name.log"
        echo "package.sh: FAILED: $release, $name, commit $commit (log: $logs/$name.log)"
        exit 1
    fi
}
# inside DIR COMMAND...: COMMAND as root in the system DIR, from /root/kelvora.
inside() { "$system" run "$@"; }
# quiet COMMAND...: COMMAND succeeds and prints nothing.
quiet() {
    local out
    out=$("$@" 2>&1) && [ -z "$out" ] || { printf '%s\n' "$out"; return 1; }
}

# new_system DIR: a clean system of $release in DIR, with HEAD's files in /root/kelvora. It is
# thrown away after the run, so its dpkg need not sync each file, nor man-db index the pages.
new_system() {
    rm -rf "$1" &&
        "$system" make "$release" "$1" &&
        echo force-unsafe-io >"$1/etc/dpkg/dpkg.cfg.d/unsafe-io" &&
        rm -f "$1/var/lib/man-db/auto-update" &&
        git archive HEAD | inside "$1" bash -c 'mkdir /root/kelvora && tar -x -C /root/kelvora'
}
# systems: the build system and the install system, made side by side.
systems() {
    new_system "$builder" &
    local b=$! status=0
    new_system "$installer" || status=1
    wait $b && return $status
}
build_deps() {
    inside "$builder" apt-get update -qq &&
        inside "$builder" apt-get build-dep -y -qq --no-install-recommends ./ &&
        inside "$builder" apt-get install -y -qq --no-install-recommends reprotest faketime \
            diffoscope-minimal lintian blhc
}
# builds: reprotest's two builds. Each runs in a copy of the source of its own and keeps its log
# and what it made in /root/builds/FOLDER; reprotest names the first build's folder
# const_build_path. Not varied: the order of files in folders (disorderfs needs FUSE), the user
# (there is only root) and the host name.
builds() {
    inside "$builder" reprotest --verbosity 1 --store-dir /root/compared \
        --vary=-fileordering,-user_group,-domain_host -c '
            status=0
            dpkg-buildpackage --no-sign -Jauto >../build.log 2>&1 || status=$?
            kept=/root/builds/${PWD##*/}
            mkdir -p "$kept" && cp ../build.log ../kelvora_* ../kelvora-dbgsym_* "$kept"
            exit $status' /root/kelvora '../*.deb' -- null
}
# lint: every lintian tag counts, the pedantic and informational ones too. Debian 12's lintian
# does not know the policy version that debian/control follows, Debian 13's.
lint() {
    local suppress=() first=/root/builds/const_build_path
    [ "$release" != bookworm ] || suppress=(--suppress-tags newer-standards-version)
    quiet inside "$builder" lintian --allow-root -I --pedantic "${suppress[@]}" \
        "$first/kelvora_${version}_${arch}.changes" &&
        quiet inside "$builder" blhc --all --debian "$first/build.log"
}
# installed: debian/tests run by autopkgtest on the first build's .deb, installed with apt.
installed() {
    local deb=kelvora_${version}_${arch}.deb
    inside "$builder" cat "/root/builds/const_build_path/$deb" |
        inside "$installer" bash -c 'cat >"/root/$1"' - "$deb" &&
        inside "$installer" apt-get update -qq &&
        inside "$installer" apt-get install -y -qq --no-install-recommends autopkgtest &&
        inside "$installer" autopkgtest --output-dir /root/autopkgtest \
            "/root/$deb" /root/kelvora/ -- null
}

mkdir -p "$work"
for release in "$@"; do
    builder=$work/$release-build installer=$work/$release-install logs=$work/$release-logs
    rm -rf "$logs"
    mkdir -p "$logs"
    start=$SECONDS
    stage systems systems
    stage build-deps build_deps
    stage builds builds
    stage lintian lint
    stage installed installed
    printf '%-9s %-11s %4d s\n' "$release" "(all)" $((SECONDS - start))
    rm -rf "$builder" "$installer"
done
echo "package.sh: PASSED: $* (commit $commit, $SECONDS s)"
