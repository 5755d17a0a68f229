#!/usr/bin/env bash
# CI: the Debian package of the commit checked out (HEAD), on each release named (default:
# bookworm trixie), in clean systems made by system.sh:
#   - in a build system with the build dependencies of debian/control, two builds of HEAD in
#     folders of different names, the second at least a minute later and under umask 0002, give
#     byte-identical .deb files (diffoscope shows the difference when not);
#   - lintian -I --pedantic has nothing to say about the first build's .changes (source and
#     binaries), nor blhc about the flags of its compile lines;
#   - in a second clean system the .deb installs with apt-get; the installed program answers on
#     its command line with the package's version, its desktop entry and metainfo validate, and
#     under Xvfb it shows its main window, drawn.
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
export DEBIAN_FRONTEND=noninteractive

# stage NAME COMMAND...: COMMAND with its output in $logs/NAME.log, shown when it fails; prints
# the time it took, or ends the whole run.
stage() {
    local name=$1 start=$SECONDS
    shift
    if "$@" >"$logs/$name.log" 2>&1; then
        printf '%-9s %-14s %4d s\n' "$release" "$name" $((SECONDS - start))
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
        mkdir "$1/root/kelvora" &&
        git archive HEAD | tar -x -C "$1/root/kelvora"
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
        inside "$builder" apt-get install -y -qq --no-install-recommends lintian blhc
}
# build FOLDER ARGS...: a copy of HEAD written now (times and modes as a checkout under the
# caller's umask gives them) in /root/FOLDER/kelvora of the build system, and dpkg-buildpackage
# ARGS there.
build() {
    local folder=$1
    shift
    rm -rf "${builder:?}/root/$folder" &&
        mkdir -p "$builder/root/$folder/kelvora" &&
        git archive HEAD | tar -x --touch --no-same-permissions -C "$builder/root/$folder/kelvora" &&
        inside "$builder" bash -c 'cd "$1" && shift && dpkg-buildpackage -us -uc -Jauto "$@"' - \
            "/root/$folder/kelvora" "$@"
}
loose() { (umask 0002 && "$@"); }
# identical: the two builds made the same .deb files, byte for byte.
identical() {
    local one=$builder/root/one two=$builder/root/second-build deb status=0
    diff <(cd "$one" && ls ./*.deb) <(cd "$two" && ls ./*.deb) || return 1
    for deb in "$one"/*.deb; do
        deb=${deb##*/}
        if cmp "$one/$deb" "$two/$deb"; then
            sha256sum "$one/$deb"
        else
            status=1
            inside "$builder" apt-get install -y -qq --no-install-recommends diffoscope-minimal >/dev/null 2>&1
            inside "$builder" diffoscope --no-progress --text - "/root/one/$deb" "/root/second-build/$deb" |
                head -n 200 || true
        fi
    done
    return $status
}
# lint: every lintian tag counts, the pedantic and informational ones too. Debian 12's lintian
# does not know the policy version that debian/control follows, Debian 13's.
lint() {
    local suppress=()
    [ "$release" != bookworm ] || suppress=(--suppress-tags newer-standards-version)
    cp "$logs/build-one.log" "$builder/root/one/build.log" &&
        quiet inside "$builder" lintian --allow-root -I --pedantic "${suppress[@]}" \
            "/root/one/kelvora_${version}_${arch}.changes" &&
        quiet inside "$builder" blhc --all --debian /root/one/build.log
}
install_package() {
    cp "$builder/root/one/kelvora_${version}_${arch}.deb" "$installer/root/" &&
        inside "$installer" apt-get update -qq &&
        inside "$installer" apt-get install -y -qq "/root/kelvora_${version}_${arch}.deb"
}
# installed: what the package installed works, before and after the tools that check it arrive.
installed() {
    inside "$installer" bash tests/check_command_line.sh kelvora "$version" &&
        inside "$installer" apt-get install -y -qq --no-install-recommends xvfb xdotool imagemagick \
            desktop-file-utils appstream &&
        inside "$installer" desktop-file-validate /usr/share/applications/org.kelvora.Kelvora.desktop &&
        inside "$installer" appstreamcli validate --no-net --pedantic \
            /usr/share/metainfo/org.kelvora.Kelvora.metainfo.xml &&
        inside "$installer" bash -c '
            set -eu
            export XDG_RUNTIME_DIR=$(mktemp -d) XDG_CONFIG_HOME=$(mktemp -d) LANGUAGE=en
            exec 3>/tmp/display
            Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null &
            exec 3>&-
            for _ in $(seq 100); do [ -s /tmp/display ] && break; sleep 0.1; done
            export DISPLAY=:$(head -1 /tmp/display)
            kelvora &
            window=$(timeout 30 xdotool search --sync --onlyvisible --name "^Kelvora v") ||
                { echo "no main window within 30 s"; exit 1; }
            sleep 1
            import -window "$window" /tmp/main.png
            colours=$(identify -format %k /tmp/main.png)
            echo "the main window, $(identify -format %wx%h /tmp/main.png), has $colours colours"
            # An empty screen has one colour; the main window drawn, over a thousand.
            [ "$colours" -ge 32 ]'
}

mkdir -p "$work"
for release in "$@"; do
    builder=$work/$release-build installer=$work/$release-install logs=$work/$release-logs
    rm -rf "$logs"
    mkdir -p "$logs"
    start=$SECONDS
    stage systems systems
    stage build-deps build_deps
    first=$SECONDS
    # The first build makes the source package too, for lintian.
    stage build-one build one
    sleep $((first + 60 > SECONDS ? first + 60 - SECONDS : 0))
    stage build-two loose build second-build -b
    stage identical identical
    stage lintian lint
    stage install install_package
    stage installed installed
    printf '%-9s %-14s %4d s\n' "$release" "(all)" $((SECONDS - start))
    rm -rf "$builder" "$installer"
done
echo "package.sh: PASSED: $* (commit $commit, $SECONDS s)"
