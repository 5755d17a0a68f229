#!/usr/bin/env bash
# check_command_line.sh KELVORA VERSION: the command line of the built binary. --help and
# --version answer with no display, other options and arguments are refused with the usage, and
# Qt's own options reach Qt.
set -u
kelvora=$1 version=$2 work=$(mktemp -d)
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

exit $((failures > 0))
