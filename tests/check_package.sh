#!/usr/bin/env bash
# check_package.sh BUILD_DIR KELVORA VERSION: the command line of the built binary, then the Debian
# package CPack makes from the build: lintian accepts it, it holds the program's files, and the
# binary unpacked from it answers --version with no display.
set -u
# have TOOL CHECKS: TOOL is installed; otherwise says which checks are skipped.
have() { command -v "$1" >/dev/null || { echo "SKIP: ${*:2} (no $1; apt-get install lintian dpkg-dev man-db)"; return 1; }; }
build=$1 kelvora=$2 version=$3 work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
check() { # check DESCRIPTION COMMAND...
    if "${@:2}" >"$work/out" 2>&1; then echo "PASS: $1"; else
        echo "FAIL: $1"; cat "$work/out"; failures=$((failures + 1)); fi
}
matches() { if [ -z "$2" ]; then [ ! -s "$1" ]; else grep -Ezq "$2" "$1"; fi; }
# answers STATUS OUT ERR PROGRAM ARGS...: PROGRAM, with no display, exits with STATUS, and its
# standard output and error match the patterns OUT and ERR ("" when nothing may be written).
answers() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "${@:4}" >"$work/1" 2>"$work/2"; local s=$?
    [ $s -eq "$1" ] && matches "$work/1" "$2" && matches "$work/2" "$3" ||
        { echo "exit status $s"; cat "$work/1" "$work/2"; return 1; }
}

check "--help prints the usage and the options" answers 0 '^Usage: [^ ]*kelvora \[options\].*--version' '' "$kelvora" --help
check "--version prints the name and version" answers 0 "^kelvora $version\s*\$" '' "$kelvora" --version
check "an unknown option is refused with the usage" answers 1 '' "^kelvora: Unknown option 'bogus'\..*Usage:" "$kelvora" --bogus
check "a stray argument is refused" answers 1 '' "Unexpected argument 'bogus'" "$kelvora" bogus
check "Qt's options are not refused" answers 0 "^kelvora $version" '' "$kelvora" -platform offscreen -style=fusion -reverse --version
mkdir -m 700 "$work/runtime"
check "Qt's options reach Qt: the program runs offscreen" bash -c 'env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
    XDG_RUNTIME_DIR="$1/runtime" XDG_CONFIG_HOME="$1" timeout 3 "$2" -platform offscreen; [ $? -eq 124 ]' - "$work" "$kelvora"

have dpkg-shlibdeps "the package checks" && have dpkg-deb "the package checks" || exit $((failures > 0))
check "cpack makes the package" cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/pkg"
deb=$(ls "$work"/pkg/*.deb)
if have lintian "lintian's checks"; then
    lintian -I --fail-on error,warning "$deb"
    check "lintian reports no error or warning" test $? -eq 0
fi
check "name, version, architecture and section" test "$(dpkg-deb -f "$deb" Package Version Architecture Section)" == \
    "$(printf 'Package: kelvora\nVersion: %s\nArchitecture: %s\nSection: education' "$version" "$(dpkg --print-architecture)")"
check "the dependencies found in the binary" bash -c "dpkg-deb -f '$deb' Depends | grep -q 'libqt6widgets6 (>= 6'"
dpkg-deb -c "$deb" | awk '{ print $6 }' | tee "$work/files"
for file in bin/kelvora share/applications/org.kelvora.Kelvora.desktop share/metainfo/org.kelvora.Kelvora.metainfo.xml \
    share/man/man1/kelvora.1.gz share/doc/kelvora/{copyright,changelog.gz} share/icons/hicolor/scalable/apps/kelvora.svg \
    share/icons/hicolor/{16x16,22x22,24x24,32x32,48x48,64x64,128x128,256x256}/apps/kelvora.png; do
    check "the package holds /usr/$file" grep -qx "\./usr/$file" "$work/files"
done
dpkg-deb -x "$deb" "$work/root"
have man "the manual page's rendering" &&
    check "the manual page renders without warnings" answers 0 . '' man --warnings -E UTF-8 -l -Tutf8 "$work/root/usr/share/man/man1/kelvora.1.gz"
check "the packaged binary answers --version" answers 0 "^kelvora $version\s*\$" '' "$work/root/usr/bin/kelvora" --version
exit $((failures > 0))
