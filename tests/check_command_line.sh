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
# figures TABLEAU-OPTION... EXPECTED: --chart's house numbers, names and figures, in one line.
figures() {
    local got
    got=$(env -u DISPLAY -u WAYLAND_DISPLAY XDG_CONFIG_HOME="$work/config" "$kelvora" \
        --chart ' 1112, 1112/1211 2121' "${@:1:$#-1}" | cut -f1-3 | tr '\t\n' ': ')
    [ "$got" = "${*: -1}" ] && [ ! -e "$work/config" ] || { echo "got: $got"; return 1; }
}
worked="1:Tale:1112 2:Mahamay:1112 3:Fahatelo:1211 4:Bilady:2121"
check "--chart prints the diviners' tableau, and writes nothing" figures --tableau=diviners \
    "$worked 5:Fianahana:1112 6:Abily:1121 7:Alisay:1112 8:Fahavalo:2211 9:Fahasivy:1121 10:Ombiasy:1112 11:Haja:2211 12:Haky:2222 13:Asorita:1112 14:Saily:1112 15:Safary:2222 16:Kiba:1112 "
check "--chart prints the classic tableau without --tableau" figures \
    "$worked 5:Fianahana:2111 6:Abily:1211 7:Alisay:2111 8:Fahavalo:1122 9:Fahasivy:1112 10:Ombiasy:1121 11:Haja:1112 12:Haky:2211 13:Asorita:2111 14:Saily:1211 15:Safary:2111 16:Kiba:1122 "
check "--chart names the figure in the session's language" answers 0 $'16\tKiba\t1122\tFortuna Minor.+La Petite Fortune' '' \
    env LANGUAGE=fr "$kelvora" --chart 1112/1112/1211/2121
check "a malformed cast is refused, named" answers 1 '' "^kelvora: Invalid value '1112/1112/1211/2123' for --cast: '3' is not a row" "$kelvora" --cast 1112/1112/1211/2123
check "a cast of three mothers is refused" answers 1 '' "^kelvora: Invalid value '1112/1112/1211' for --chart" "$kelvora" --chart 1112/1112/1211
check "--chart with --cast is refused" answers 1 '' '^kelvora: --chart and --cast cannot be used together' "$kelvora" --chart 1112/1112/1211/2121 --cast 1112/1112/1211/2121
check "an unknown tableau is refused" answers 1 '' "^kelvora: Invalid value 'mixed' for --tableau" "$kelvora" --tableau=mixed
# unwritten ARGS...: with its standard output on a full disk, the program says so in one line on
# standard error and exits with status 1, rather than 0 with nothing printed.
unwritten() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LANGUAGE=en "$kelvora" "$@" \
        >/dev/full 2>"$work/2"; local s=$?
    [ $s -eq 1 ] && [ "$(wc -l <"$work/2")" -eq 1 ] &&
        grep -q '^kelvora: Could not write to standard output: .' "$work/2" ||
        { echo "exit status $s"; cat "$work/2"; return 1; }
}
if [ -w /dev/full ]; then
    for args in --help --version "--chart 1112/1112/1211/2121"; do
        # shellcheck disable=SC2086 # the options are words
        check "$args on a full disk fails, said" unwritten $args
    done
fi
# readings CAST OPTION... EXPECTED: --reading's houses (number, name, figure, Merina name), then
# its readings without their sentences, fields joined by ':', lines by ' '. A remembered column
# of the Reading window (4) must not change the default.
readings() {
    local got
    mkdir -p "$work/remembered/Kelvora"
    printf '[General]\nReadingColumn=4\n' >"$work/remembered/Kelvora/Kelvora.conf"
    got=$(env -u DISPLAY -u WAYLAND_DISPLAY XDG_CONFIG_HOME="$work/remembered" "$kelvora" \
        --reading "${@:1:$#-1}" | awk -F'\t' 'NR <= 16 { print $1 ":" $2 ":" $3 ":" $5; next }
        { s = $1; for (i = 2; i < NF; i++) s = s ":" $i; print s }' | tr '\n' ' ')
    [ "$got" = "${*: -1}" ] || { echo "got: $got"; return 1; }
}
houses="1:Tale:1112:Talé 2:Mahamay:1112:Harena 3:Fahatelo:1211:Fahatelo 4:Bilady:2121:Vohitra 5:Fianahana:1112:Zatovo? 6:Abily:1121:Marina? 7:Alisay:1112:Vehivavy? 8:Fahavalo:2211:Fahavalo 9:Fahasivy:1121:Fahasivy 10:Ombiasy:1112:Masina 11:Haja:2211:Nia 12:Haky:2222:Andriamanitra 13:Asorita:1112:Asorotany 14:Saily:1112:Mpanontany 15:Safary:2222:Lalana 16:Kiba:1112:Trano"
check "--reading prints the diviners' tableau with Merina names, then the readings in Talé" readings 1112/1112/1211/2121 \
    "$houses sound:yes repeat:5 repeat:7 repeat:10 repeat:13 repeat:14 repeat:16 pair:14:16:Tsindrilasy alone:3 alone:4 lozabe:1121 "
check "--reading in Vohitra: nothing repeats" readings 1112/1112/1211/2121 --column=4 \
    "$houses sound:yes pair:14:16:Tsindrilasy alone:3 alone:4 lozabe:1121 "
check "--reading: a repeat speaks through the diviners' sense, else the catalogue's" answers 0 \
    $'repeat\t5\t[^"]*"Children"\\..*repeat\t10\t[^"]*"Benefactor"\\..*repeat\t16\t[^"]*through the house\\.' '' \
    "$kelvora" --reading 1112/1112/1211/2121
check "--reading in the session's language" answers 0 $'sound\tyes\tLa maison 12 [(]Andriamanitra[)] porte un prince' '' \
    env LANGUAGE=fr "$kelvora" --reading 1112/1112/1211/2121
for other in "--chart 1112/1112/1211/2121" "--cast 1112/1112/1211/2121" "--tableau=diviners"; do
    check "--reading with ${other%% *} is refused" answers 1 '' "^kelvora: --reading and ${other%%[ =]*} cannot be used together" \
        "$kelvora" --reading 1112/1112/1211/2121 $other
done
check "--column without --reading is refused" answers 1 '' '^kelvora: --column needs --reading' "$kelvora" --column=2
check "a column outside 1 to 4 is refused, named" answers 1 '' "^kelvora: Invalid value '5' for --column" "$kelvora" --reading 1112/1112/1211/2121 --column=5
check "a malformed reading cast is refused, named" answers 1 '' "^kelvora: Invalid value '1112/1112/1211/21' for --reading" "$kelvora" --reading 1112/1112/1211/21
mkdir -m 700 "$work/runtime"
check "Qt's options reach Qt: the program runs offscreen" bash -c 'env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
    XDG_RUNTIME_DIR="$1/runtime" XDG_CONFIG_HOME="$1" timeout 3 "$2" -platform offscreen; [ $? -eq 124 ]' - "$work" "$kelvora"

# --import and --check, in private folders (the journal, the settings, the instance lock).
mkdir -m 700 "$work/import-runtime"
private=(env XDG_DATA_HOME="$work/import-data" XDG_CONFIG_HOME="$work/import-config" XDG_RUNTIME_DIR="$work/import-runtime" LANGUAGE=en)
diviners="1112 1112 1211 2121 1112 1121 1112 2211 1121 1112 2211 2222 1112 1112 2222 1112"
printf '# a notebook\n%s\tÉnergie ?\n1112/1112/1211/2121\n' "$diviners" >"$work/right.txt"
printf '%s\n1112 1112 1211 2121 1112 1121 1112 2211 1121 1112 2211 2122 1112 1112 2222 1112\n1112 1113\n' "$diviners" >"$work/wrong.txt"
check "--check says right per line, status 0" answers 0 $'^2\tright\n3\tright\n$' '' "${private[@]}" "$kelvora" --check "$work/right.txt"
check "--check names the wrong houses and the malformed line, status 2" answers 2 \
    $'^1\tright\n2\tthe tableau follows neither.*house 12 should be 2222, the sum of houses 10 and 14, not 2122.*\n3\t.3. is not a row' '' \
    "${private[@]}" "$kelvora" --check "$work/wrong.txt"
check "--import keeps every right line, status 0" answers 0 '^Kept: 2\. Already kept: 0\. Refused: 0\.\s*$' '' \
    "${private[@]}" "$kelvora" --import "$work/right.txt"
check "--import from standard input lists the refused lines on standard error, status 2" answers 2 \
    '^Kept: 1\. Already kept: 0\. Refused: 2\.\s*$' "^Line 2: the tableau follows neither.*not 2122;.*Line 3: '3' is not a row" \
    bash -c '"${@:2}" <"$1"' - "$work/wrong.txt" "${private[@]}" "$kelvora" --import -
check "--import of a file that cannot be read: status 1, said" answers 1 '' "^kelvora: Kelvora could not read $work/missing.txt: " \
    "${private[@]}" "$kelvora" --import "$work/missing.txt"
check "--import and --chart cannot be used together" answers 1 '' '^kelvora: --import and --chart cannot be used together' \
    "$kelvora" --import "$work/right.txt" --chart 1112/1112/1211/2121
# running: a window of Kelvora, offscreen, holds the instance lock while --import is tried.
running() {
    "${private[@]}" timeout 20 "$kelvora" -platform offscreen & local window=$!
    for _ in $(seq 50); do [ -e "$work/import-runtime/kelvora.lock" ] && break; sleep 0.1; done
    answers 1 '' '^kelvora: import from the Journal window, or close Kelvora first\s*$' "${private[@]}" "$kelvora" --import "$work/right.txt"
    local s=$?
    kill "$window"; wait "$window" 2>/dev/null
    return $s
}
check "--import is refused while a Kelvora window runs, status 1" running
check "the journal holds what was imported, once" bash -c '[ "$(sqlite3 "$1" "SELECT count(*) FROM charts")" = 3 ] || ! command -v sqlite3 >/dev/null' - "$work/import-data/Kelvora/kelvora/journal.sqlite"

# tableaux: a cast alone is kept in the tableau the File menu remembers, unless --tableau names one.
tableaux() {
    command -v sqlite3 >/dev/null || return 0
    local data="$work/tableau-data" config="$work/tableau-config"
    mkdir -p "$config/Kelvora" && printf '[General]\nDivinersTableau=true\n' >"$config/Kelvora/Kelvora.conf"
    echo 1112/1112/1211/2121 >"$work/cast.txt"
    env XDG_DATA_HOME="$data" XDG_CONFIG_HOME="$config" XDG_RUNTIME_DIR="$work/import-runtime" "$kelvora" --import "$work/cast.txt" &&
        env XDG_DATA_HOME="$data" XDG_CONFIG_HOME="$config" XDG_RUNTIME_DIR="$work/import-runtime" "$kelvora" --import "$work/cast.txt" --tableau=classic &&
        [ "$(sqlite3 "$data/Kelvora/kelvora/journal.sqlite" "SELECT group_concat(tableau, ' ') FROM (SELECT tableau FROM charts ORDER BY id)")" = "diviners classic" ]
}
check "a cast alone takes the remembered tableau, or the one --tableau names" tableaux

exit $((failures > 0))
