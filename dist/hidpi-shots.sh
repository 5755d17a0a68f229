#!/usr/bin/env bash
# hidpi-shots.sh KELVORA OUT_DIR [SCALE]: runs Kelvora at a scale factor (default 2) on a private
# large virtual screen and saves screenshots of the main window after a casting, the About
# window, the report window and the exit window into OUT_DIR, to check that every layout holds,
# every caption fits and the dots and icon stay sharp, in English or, under LANGUAGE=fr, in
# French. Needs xvfb, xdotool and imagemagick.
set -u
kelvora=$1 out=$2 scale=${3:-2}
mkdir -p "$out"
work=$(mktemp -d)
chmod 700 "$work"
exec 3>"$work/display"
Xvfb -displayfd 3 -noreset -screen 0 2600x2200x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
exec 3>&-
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -1 "$work/display") QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale
export XDG_RUNTIME_DIR=$work XDG_CONFIG_HOME=$work
"$kelvora" &
app=$!
trap 'kill $app 2>/dev/null; kill $xvfb 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT

window() { # the newest visible window of Kelvora
    for _ in $(seq 50); do
        local w
        w=$(xdotool search --onlyvisible --pid "$app" 2>/dev/null | tail -1)
        [ -n "$w" ] && { echo "$w"; return; }
        sleep 0.1
    done
}
keys() { # focuses the newest window (there is no window manager to do it) and types the keys
    xdotool windowfocus --sync "$(window)" 2>/dev/null
    for k in "$@"; do xdotool key "$k"; sleep 0.15; done
    sleep 0.7
}
shot() { import -window "$(window)" "$out/$1.png" && echo "$out/$1.png"; }

sleep 2
keys $(printf 'space %.0s' $(seq 13))
shot main
# The menus' and Print's keys in the language Kelvora speaks (LANGUAGE=fr for French).
case "${LANGUAGE:-}" in
fr*) help=(alt+a p) print=alt+i leave=(alt+f q) ;;
*) help=(alt+h a) print=alt+p leave=(alt+f x) ;;
esac
keys "${help[@]}"
shot about
keys Escape
keys "$print"
shot report
keys Escape
keys "${leave[@]}"
shot exit
