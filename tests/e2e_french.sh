#!/usr/bin/env bash
# Kelvora in French, as a French session starts it: the real binary under LANGUAGE=fr in a private
# X server, driven with xdotool. Cast a chart, open the report window with Alt+I (Imprimer), read
# the first section of the interpretation, and open Save As with Alt+S (Sauver). How the saved
# RTF reads back, accents and all, is tst_report's.
# usage: e2e_french.sh path/to/kelvora
set -u
kelvora=$(realpath "$1")
source "$(dirname "$0")/e2e_common.sh"
command -v xclip >/dev/null || { echo "SKIP: no xclip"; exit 77; }
export HOME=$work LANGUAGE=fr LANG=fr_FR.UTF-8 LC_ALL=
mkdir -p "$work/out"

shown_window() { # shown_window NAME SIZE: kelvora's visible window NAME of that size
    local id
    for id in $(xdotool search --all --onlyvisible --pid "$app" --name "^$1\$" 2>/dev/null); do
        xdotool getwindowgeometry "$id" | grep -q "Geometry: $2" && echo "$id" && return 0
    done
    return 1
}
keys() { # keys WINDOW KEY...: types the keys once WINDOW has the keyboard
    wait_active "$1" && xdotool key --delay 100 "${@:2}"
}
copied() { xclip -o -selection clipboard >"$work/window.txt" 2>/dev/null && [ -s "$work/window.txt" ]; }

(cd "$work/out" && exec "$kelvora") & app=$!
pids+=("$app")
main=$(wait_for 15 shown_window "Kelvora v1.0" 835x)
check "the main window is up" test -n "$main" || exit 1
focus "$main"
keys "$main" $(printf 'space %.0s' $(seq 13)) alt+i
report=$(wait_for 15 shown_window "Kelvora v1.0" 515x506)
check "Alt+I (Imprimer) opens the report window" test -n "$report" || exit 1
keys "$report" ctrl+a ctrl+c
wait_for 10 copied
python3 - "$work/window.txt" <<'PY' || failures=$((failures + 1))
import sys
text = open(sys.argv[1], encoding="utf-8").read()
# The window's copied text has plain blanks where the report has non-breaking ones.
first = text.split("Caractéristiques de la ")[1].split("\n\n")
ok = (text.startswith("Rapport créé par https://")
      and text.count("Caractéristiques de la maison ") == 16
      and first[:6] == ["maison 1 (Tale)", "Figure géomantique : Taraiky", "Mots clés : Ascendant",
                        "Nom européen : Via", "Catégorie : Mpanjaka (princes)", "Direction : Sud"])
print(("PASS" if ok else "FAIL") + ": the report is French, with sixteen houses and the first in full")
sys.exit(0 if ok else 1)
PY

keys "$report" alt+s
check "Alt+S (Sauver) opens the Save As dialog" wait_for 15 shown_window "Kelvora" ''
[ "$failures" -eq 0 ]
