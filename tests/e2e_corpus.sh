#!/usr/bin/env bash
# A notebook brought in as a person brings it in: the real kelvora binary in a private X server,
# driven with xdotool. A text file holds a right tableau of each kind, a cast alone, a tableau with
# a wrong sum and a line that is no chart; the Journal window's Import… reads it, the summary
# says three kept and names the two refused lines, and the journal holds the three. Figures… then
# counts them; the cell of 2121 in house 1 lists the one chart cast with that first mother, and
# Open puts it on the board: its interpretation is the one the Journal window's Open gives.
# usage: e2e_corpus.sh path/to/kelvora
set -u
kelvora=$(realpath "$1")
source "$(dirname "$0")/e2e_common.sh"
command -v xclip >/dev/null || { echo "SKIP: no xclip"; exit 77; }
command -v import >/dev/null || { echo "SKIP: no ImageMagick"; exit 77; }
export HOME=$work XDG_DATA_HOME=$work/data

shown_window() { # shown_window NAME: the id of kelvora's visible window NAME
    xdotool search --all --onlyvisible --pid "$app" --name "^$1\$" 2>/dev/null | head -1 | grep .
}
wait_window() { wait_for 15 shown_window "$@"; }
keys() { wait_active "$1" && xdotool key --delay 100 "${@:2}"; }
typed() { wait_active "$1" && xdotool type --delay 30 "$2"; }
must() { check "$@" || exit 1; }
copied() { xclip -o -selection clipboard >"$work/$1.txt" 2>/dev/null && [ -s "$work/$1.txt" ]; }
houses() { "$kelvora" --chart "$1" --tableau="$2" | cut -f3 | tr '\n' ' '; }

diviners=$(houses 1112/1112/1211/2121 diviners)
classic=$(houses 1112/2211/1212/2122 classic)
# A diviners' tableau with house 9 miswritten.
wrong=$(houses 2121/1121/1212/2221 diviners | awk '{ $9 = ($9 == "2211" ? "1112" : "2211"); print }')
printf '%s\n' "# a notebook" "$diviners	Le voyage ?	noté au marché" "$classic" \
    "2121/1112/1221/2211	Un tirage seul" "$wrong	Faux" "not a chart" >"$work/notebook.txt"

"$kelvora" & app=$!
pids+=("$app")
main=$(wait_window "Kelvora v[0-9.]*")
must "Kelvora is up" test -n "$main"
focus "$main"
keys "$main" ctrl+j
journal=$(wait_window "Kelvora Journal")
must "Ctrl+J opens the Journal window" test -n "$journal"
keys "$journal" alt+i
chooser=$(wait_for 15 eval 'xdotool search --all --onlyvisible --pid "$app" --name "^Kelvora" |
    grep -vx -e "$main" -e "$journal" | head -1 | grep .')
must "Import… asks for a file" test -n "$chooser"
typed "$chooser" "$work/notebook.txt"
keys "$chooser" Return
summary=$(wait_window "Kelvora Import")
must "the import ends with its summary" test -n "$summary"
printf '' | xclip -selection clipboard
keys "$summary" shift+Tab shift+Tab ctrl+a ctrl+c
wait_for 10 copied summary
check "the summary says three kept" grep -q "^Kept: 3. Already kept: 0. Refused: 2.$" "$work/summary.txt"
check "... names line 5, the wrong sum, with house 9" grep -q "Line 5:.*house 9" "$work/summary.txt"
check "... and line 6, which is no chart" grep -q "Line 6:" "$work/summary.txt"
keys "$summary" Escape
must "Esc closes the summary" wait_for 10 eval '! shown_window "Kelvora Import" >/dev/null'
file=$(find "$XDG_DATA_HOME" -name journal.sqlite)
command -v sqlite3 >/dev/null && check "the journal holds the three right charts" \
    test "$(sqlite3 "$file" 'SELECT tableau, mothers, question FROM charts ORDER BY mothers')" = \
    "$(printf '%s\n' "diviners|1112/1112/1211/2121|Le voyage ?" "classic|1112/2211/1212/2122|" \
        "classic|2121/1112/1221/2211|Un tirage seul")"


# panel NAME: the interpretation of the chart on the board, written by the next press and copied
# as a person would, in NAME.txt.
panel() {
    printf '' | xclip -selection clipboard
    keys "$main" space Tab Tab ctrl+a ctrl+c
    wait_for 10 copied "$1"
}
focus "$journal"
keys "$journal" alt+f
figures=$(wait_window "Kelvora Figures")
must "Figures… opens the Figures window" test -n "$figures"
# Counted once the table is shaded: 1112 fell twice in house 1 of three charts where random casting
# gives 3/16, a cell shaded full red (255, 80, 80).
shaded() { import -window "$figures" png:- 2>/dev/null | convert png:- -depth 8 -unique-colors txt:- | grep -qi "#FF5050"; }
must "... and counts the three charts" wait_for 60 shaded
# Down into the table, to house 1 and the eleventh figure, 2121; then down to its charts and Open.
keys "$figures" Tab ctrl+Home $(printf 'Right %.0s' $(seq 10)) Tab Tab Return
must "Open puts the chart on the board" wait_active "$main"
panel from_figures
first_figure() { grep -m1 "^Sikidy Figure Name" "$work/from_figures.txt"; }
check "... the cast with 2121 (Acquisitio) in house 1" \
    test "$(first_figure)" = "Sikidy Figure Name :- Acquisitio - Gain"
focus "$journal"
keys "$journal" ctrl+a
typed "$journal" "tirage"
sleep 0.5
keys "$journal" Down Return
must "the Journal window opens it too" wait_active "$main"
panel from_journal
check "... and its interpretation is the same" cmp -s "$work/from_figures.txt" "$work/from_journal.txt"

[ "$failures" -eq 0 ]
