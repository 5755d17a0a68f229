#!/usr/bin/env bash
# The real kelvora binary in a private X server: it opens its main window, drawn, centred on the
# screen.
# (The single-instance guard across real processes is tst_startup's.)
# usage: e2e_startup.sh path/to/kelvora
set -u
kelvora=$1
source "$(dirname "$0")/e2e_common.sh"
command -v import >/dev/null && command -v identify >/dev/null || { echo "SKIP: no ImageMagick"; exit 77; }

shown() { xdotool search --all --onlyvisible --pid "$first" --name '^Kelvora v[0-9.]*$' 2>/dev/null | head -1 | grep .; }
"$kelvora" & first=$!
pids+=("$first")
wait_for 15 shown >/dev/null
main=$(shown)
check "the program shows its main window" test -n "$main"
if [ -n "$main" ]; then
    eval "$(xdotool getwindowgeometry --shell "$main")"
    centred() { [ $((X + WIDTH / 2 - 640)) -ge -2 ] && [ $((X + WIDTH / 2 - 640)) -le 2 ] &&
                [ $((Y + HEIGHT / 2 - 512)) -ge -2 ] && [ $((Y + HEIGHT / 2 - 512)) -le 2 ]; }
    check "the main window is centred on the screen (${WIDTH}x${HEIGHT} at $X,$Y)" centred
    check "the client area is 835 pixels wide" test "$WIDTH" -eq 835
    # An empty window has one colour; the main window drawn, hundreds.
    colours() { import -window "$main" png:- 2>/dev/null | identify -format %k - 2>/dev/null; }
    drawn() { [ "$(colours)" -ge 32 ] 2>/dev/null; }
    wait_for 5 drawn
    check "the main window is drawn ($(colours) colours)" drawn
fi

[ "$failures" -eq 0 ]
