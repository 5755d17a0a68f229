#!/usr/bin/env bash
# check_install.sh BUILD_DIR: installs the build into a scratch prefix, checks that the desktop
# files are where desktops look for them, and runs the freedesktop and AppStream validators.
set -u
command -v desktop-file-validate >/dev/null && command -v appstreamcli >/dev/null ||
    { echo "SKIP: no desktop-file-validate/appstreamcli"; exit 77; }
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$1" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }

failures=0
check() { # check DESCRIPTION COMMAND...
    if "${@:2}" >"$prefix/out" 2>&1; then echo "PASS: $1"; else
        echo "FAIL: $1"; cat "$prefix/out"; failures=$((failures + 1)); fi
}
share=$prefix/share
desktop=$share/applications/org.kelvora.Kelvora.desktop
metainfo=$share/metainfo/org.kelvora.Kelvora.metainfo.xml
check "the binary is installed" test -x "$prefix/bin/kelvora"
check "the scalable icon is installed" test -s "$share/icons/hicolor/scalable/apps/kelvora.svg"
for size in 16 22 24 32 48 64 128 256; do
    check "the ${size}x$size icon is a PNG of that size" \
        bash -c 'identify -format %m:%wx%h "$1" | grep -qx "$2"' - \
        "$share/icons/hicolor/${size}x$size/apps/kelvora.png" "PNG:${size}x$size"
done
check "the desktop entry is valid" desktop-file-validate "$desktop"
check "the desktop entry starts the installed binary by name" grep -qx 'Exec=kelvora' "$desktop"
check "the desktop entry's icon is the installed one" grep -qx 'Icon=kelvora' "$desktop"
check "the metainfo is valid" appstreamcli validate --no-net --pedantic "$metainfo"
check "the metainfo has a screenshot and a release" \
    bash -c 'grep -q "<screenshot type=\"default\">" "$1" && grep -q "<release version=" "$1"' - "$metainfo"
check "the metainfo was filled in" bash -c '! grep -q @ "$1"' - "$metainfo"
exit $((failures > 0))
