#!/usr/bin/env bash
# The journal as a person uses it: the real kelvora binary in a private X server, driven with
# xdotool. Three charts are cast and kept with French questions (Ctrl+K), each one's board and
# interpretation noted; Kelvora is closed through its exit window and started again on the same
# data folder; the Journal window (Ctrl+J) finds the second chart by "energ", typed without
# accents, and Return opens it: the board shows its dots as when it was kept, and the next press
# writes the same interpretation. The questions in the file are read back with sqlite3 where it is
# installed.
# usage: e2e_journal.sh path/to/kelvora [path/to/xkeymap]
set -u
kelvora=$(realpath "$1")
xkeymap=${2:-}
source "$(dirname "$0")/e2e_common.sh"
command -v xclip >/dev/null || { echo "SKIP: no xclip"; exit 77; }
command -v import >/dev/null && command -v compare >/dev/null || { echo "SKIP: no ImageMagick"; exit 77; }
export HOME=$work XDG_DATA_HOME=$work/data

shown_window() { # shown_window NAME: the id of kelvora's visible window NAME
    xdotool search --all --onlyvisible --pid "$app" --name "^$1\$" 2>/dev/null | head -1 | grep .
}
wait_window() { wait_for 15 shown_window "$@"; }
keys() { # keys WINDOW KEY...: types the keys once WINDOW has the keyboard
    wait_active "$1" && xdotool key --delay 100 "${@:2}"
}
# typed WINDOW TEXT: types TEXT once WINDOW has the keyboard.
typed() { wait_active "$1" && xdotool type --delay 60 "$2"; }
must() { check "$@" || exit 1; }
same() { [ "$1" == "$2" ] || { printf 'expected:\n%s\nactual:\n%s\n' "$1" "$2"; return 1; }; }
# board NAME: a picture of the casting board (its dots, captions and button) in NAME.png, once
# two pictures in a row agree, so that a board still being drawn on a busy machine is not taken.
board() {
    eval "$(xdotool getwindowgeometry --shell "$main")"
    local shot=(import -window root -crop 545x409+$X+$((Y + HEIGHT - 470)) +repage)
    "${shot[@]}" "$work/$1.png"
    for _ in $(seq 20); do
        sleep 0.3
        "${shot[@]}" "$work/$1.next.png"
        same_picture "$1" "$1.next" && return
        mv "$work/$1.next.png" "$work/$1.png"
    done
}
same_picture() { test "$(compare -metric AE "$work/$1.png" "$work/$2.png" null: 2>&1)" = 0; }
# panel NAME: the interpretation panel's text, copied as a person would, in NAME.txt; the focus
# goes back to the casting button.
copied() { xclip -o -selection clipboard >"$work/$1.txt" 2>/dev/null && [ -s "$work/$1.txt" ]; }
panel() {
    printf '' | xclip -selection clipboard
    keys "$main" Tab Tab ctrl+a ctrl+c
    wait_for 10 copied "$1"
    keys "$main" shift+Tab shift+Tab
}
start() {
    "$kelvora" & app=$!
    pids+=("$app")
    main=$(wait_window "Kelvora v[0-9.]*")
    must "Kelvora is up" test -n "$main"
    focus "$main"
}

questions=("Faut-il partir en voyage cet été ?" "Quelle énergie pour demain ?"
           "L'enfant guérira-t-il bientôt ?")
# Each accented letter on a key of its own, as on a French keyboard, before Kelvora reads the map.
# Without xkeymap (the installed package's check) xdotool binds each for the one press, which a
# program that reads the map late can miss.
[ -z "$xkeymap" ] || must "the accented letters have keys" "$xkeymap" "${questions[*]}"
start
for n in 0 1 2; do
    keys "$main" $(printf 'space %.0s' $(seq 12))
    board "board$n"
    keys "$main" ctrl+k
    keep=$(wait_window "Keep in Journal")
    must "Ctrl+K asks for the question of chart $((n + 1))" test -n "$keep"
    typed "$keep" "${questions[$n]}"
    keys "$keep" Tab
    typed "$keep" "Note $((n + 1))"
    keys "$keep" Tab Return
    must "... and OK keeps it" wait_for 10 eval '! shown_window "Keep in Journal" >/dev/null'
    # A bare X server gives the window a modal window blocked no keyboard back.
    focus "$main"
    keys "$main" space
    panel "panel$n"
    keys "$main" space
done
check "the three charts differ" test "$(md5sum "$work"/board?.png | cut -d' ' -f1 | sort -u | wc -l)" -eq 3
file=$(find "$XDG_DATA_HOME" -name journal.sqlite)
command -v sqlite3 >/dev/null && check "the journal holds the three questions as typed, accents and all" \
    same "$(printf '%s\n' "${questions[@]}")" "$(sqlite3 "$file" 'SELECT question FROM charts ORDER BY id')"

keys "$main" alt+f x
# The exit window comes up in place of the main window, with the same title.
exit_window() { [ "$(shown_window "Kelvora v[0-9.]*")" != "$main" ] && shown_window "Kelvora v[0-9.]*"; }
exit_window=$(wait_for 10 exit_window)
focus "$exit_window"
keys "$exit_window" alt+x
must "Kelvora ends through its exit window" wait_for 10 test ! -e /proc/$app

start
keys "$main" ctrl+j
journal=$(wait_window "Kelvora Journal")
must "Ctrl+J opens the Journal window" test -n "$journal"
keys "$journal" e n e r g
sleep 0.5
keys "$journal" Down Return
focus "$main"
board opened
check "the board shows the kept chart dot for dot (the three differ)" same_picture board1 opened
keys "$main" space
panel reopened
check "the next press writes the same interpretation as when it was kept" cmp -s "$work/panel1.txt" "$work/reopened.txt"
check "... sixteen houses of it" test "$(grep -c '^Characteristics Of House' "$work/reopened.txt")" -eq 16

[ "$failures" -eq 0 ]
