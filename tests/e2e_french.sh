#!/usr/bin/env bash
# Kelvora in French, as a French session starts it: the real binary under LANGUAGE=fr in a private
# X server, driven with xdotool. Cast a chart, open the report window with Alt+I (Imprimer), read
# the first section of the interpretation, save the report, and have LibreOffice read the saved
# file back, accents and all, as the window's text.
# usage: e2e_french.sh path/to/kelvora
set -u
kelvora=$(realpath "$1")
source "$(dirname "$0")/e2e_common.sh"
for tool in soffice xclip; do
    command -v $tool >/dev/null || { echo "SKIP: no $tool"; exit 77; }
done
export HOME=$work LANGUAGE=fr LANG=fr_FR.UTF-8 LC_ALL=
mkdir -p "$work/out"

shown_window() { # shown_window NAME SIZE: kelvora's visible window NAME of that size
    local id
    for id in $(xdotool search --all --onlyvisible --pid "$app" --name "^$1\$" 2>/dev/null); do
        xdotool getwindowgeometry "$id" | grep -q "Geometry: $2" && echo "$id" && return 0
    done
    return 1
}
keys() { # keys WINDOW KEY...: focuses WINDOW and types the keys
    xdotool windowfocus --sync "$1" 2>/dev/null
    shift
    for k in "$@"; do xdotool key "$k"; sleep 0.1; done
}
copied() { xclip -o -selection clipboard >"$work/window.txt" 2>/dev/null && [ -s "$work/window.txt" ]; }

(cd "$work/out" && exec "$kelvora") & app=$!
pids+=("$app")
main=$(wait_for 15 shown_window "Kelvora v1.0" 835x)
check "the main window is up" test -n "$main" || exit 1
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

# Save (Alt+S, Sauver) as "tableau": LibreOffice reads the file back as the window's text.
keys "$report" alt+s
dialog=$(wait_for 15 shown_window "Kelvora" '')
check "Alt+S (Sauver) opens the Save As dialog" test -n "$dialog" || exit 1
xdotool windowfocus --sync "$dialog" 2>/dev/null
xdotool type tableau
xdotool key Return
check "the report is saved as tableau.rtf" wait_for 10 test -s "$work/out/tableau.rtf"
HOME=$work/office soffice --headless --convert-to 'txt:Text (encoded):UTF8' --outdir "$work/office" \
    "$work/out/tableau.rtf" >/dev/null 2>&1
python3 - "$work" <<'PY' || failures=$((failures + 1))
import sys
work = sys.argv[1]
window = open(f"{work}/window.txt", encoding="utf-8").read()
# LibreOffice writes CR LF, and each blank of a run of blanks as U+2006 and a blank.
office = open(f"{work}/office/tableau.txt", encoding="utf-8-sig").read()
office = office.replace("\r\n", "\n").replace("\u2006 ", " ")
# The file keeps the non-breaking blank before each colon, which the copied text flattens.
same = office.replace("\u00a0", " ") == window and "é" in office and "clés\u00a0: " in office
print(("PASS" if same else "FAIL") + ": LibreOffice reads the saved French report back as the window's text")
sys.exit(0 if same else 1)
PY
[ "$failures" -eq 0 ]
