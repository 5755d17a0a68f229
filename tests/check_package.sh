#!/usr/bin/env bash
# check_package.sh SOURCE_DIR KELVORA VERSION: the command line of the built binary, then the
# Debian package: two clean Release builds of the source, in folders of their own made one after
# the other (the second under another umask), give byte-identical packages; lintian finds nothing
# to say about it, not even at its pedantic and informational levels; it holds the program's
# files, and the binary unpacked from it has a stack protector and answers --version with no
# display.
set -u
# have TOOL CHECKS: TOOL is installed; otherwise says which checks are skipped.
have() { command -v "$1" >/dev/null || { echo "SKIP: ${*:2} (no $1; apt-get install lintian dpkg-dev man-db)"; return 1; }; }
source_dir=$1 kelvora=$2 version=$3 work=$(mktemp -d)
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
# package FOLDER: a Release build of the program alone in FOLDER, and its package in FOLDER/pkg.
package() {
    cmake -S "$source_dir" -B "$1" -DCMAKE_BUILD_TYPE=Release -DKELVORA_BUILD_TESTS=OFF \
        -DKELVORA_BUILD_BENCH=OFF >/dev/null &&
        cmake --build "$1" -j"$(nproc)" --target kelvora >/dev/null &&
        cpack -G DEB --config "$1/CPackConfig.cmake" -B "$1/pkg" >/dev/null
}
loose() { (umask 0002 && "$@"); }
check "a Release build makes the package" package "$work/one"
check "a second build, in another folder under another umask, makes it again" loose package "$work/build-two"
deb=$(ls "$work"/one/pkg/*.deb) again=$(ls "$work"/build-two/pkg/*.deb) || exit 1
# differences A B: where two packages differ, through diffoscope where it is installed, else as
# the names of the archive members and packaged files that differ.
differences() {
    if command -v diffoscope >/dev/null; then
        diffoscope --no-progress --text - "$1" "$2" | head -80
        return
    fi
    local side
    for side in a b; do
        mkdir -p "$work/$side"
        (cd "$work/$side" && ar x "$([ $side = a ] && echo "$1" || echo "$2")" &&
            mkdir root && tar -xf data.tar.* -C root && tar -tvf data.tar.* >listing)
    done
    (cd "$work/a" && for member in *; do cmp -s "$member" "../b/$member" || echo "differs: $member"; done)
    diff "$work/a/listing" "$work/b/listing"
    diff -rq "$work/a/root" "$work/b/root"
}
same() { cmp -s "$deb" "$again" || { differences "$deb" "$again"; return 1; }; }
check "the two packages are byte-identical ($(sha256sum <"$deb" | cut -c1-16))" same
if have lintian "lintian's checks"; then
    # Every tag counts, the informational and pedantic ones too.
    quiet() { lintian -I --pedantic "$deb" >"$work/lintian" 2>&1; local s=$?
              cat "$work/lintian"; [ $s -eq 0 ] && ! grep -q '^[EWIPX]: ' "$work/lintian"; }
    check "lintian -I --pedantic finds nothing to report" quiet
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
binary=$work/root/usr/bin/kelvora
# lintian looks for the other hardening flags; the stack protector it leaves to us.
have readelf "the stack protector's check" &&
    check "the binary is built with the stack protector" \
        bash -c "readelf --dyn-syms -W '$binary' | grep -q __stack_chk_fail"
have man "the manual page's rendering" &&
    check "the manual page renders without warnings" answers 0 . '' man --warnings -E UTF-8 -l -Tutf8 "$work/root/usr/share/man/man1/kelvora.1.gz"
check "the packaged binary answers --version" answers 0 "^kelvora $version\s*\$" '' "$binary" --version
exit $((failures > 0))
