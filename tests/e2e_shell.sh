#!/usr/bin/env bash
# The real kelvora binary in a private X server, used as a person would: the Help menu items and
# the banner open their pages in a fake browser, the footer offer that can be seen opens its own
# page, both links also by Tab and a key from the casting button, About opens and closes with
# Enter and Esc, mothers typed into Enter Mothers show on the board, closing the main window
# brings up the exit window, whose refer form opens the refer page, and closing that ends the
# program with status 0.
# With SHOTS set to a folder, screenshots of the main window, About and the exit window go there.
# usage: e2e_shell.sh path/to/kelvora path/to/link_probe path/to/xclose
set -u
kelvora=$1
probe=$2
# xclose asks a window to close as a window manager's close button would (a bare Xvfb has none).
xclose=$3
source "$(dirname "$0")/e2e_common.sh"
command -v import >/dev/null && command -v convert >/dev/null || { echo "SKIP: no ImageMagick"; exit 77; }
fake_browser
export PATH="$work/bin:$PATH"

# The compiled-in addresses, one a line: help, home, update, full-brand, co-brand.
pages=$("$probe" openers)
help=$(sed -n 1p <<<"$pages") home=$(sed -n 2p <<<"$pages") update=$(sed -n 3p <<<"$pages")
full=$(sed -n 4p <<<"$pages") co=$(sed -n 5p <<<"$pages")
logged() { [ "$(wc -l <"$log")" -ge "$1" ]; }
wait_for 10 logged 5
: >"$log"

windows() { xdotool search --all --onlyvisible --pid "$1" --name '^Kelvora v[0-9.]*$' 2>/dev/null; }
# wait_count PID N: PID shows N windows with the program's caption, within 10 s.
counted() { [ "$(windows "$1" | wc -l)" -eq "$2" ]; }
wait_count() { wait_for 10 counted "$@"; }
# opened ADDRESS: the log holds exactly ADDRESS, within 10 s; the log is emptied. An unwanted
# address that comes later is found by the next check, and the last one by "nothing else".
opened() {
    local got=""
    wait_for 10 test -s "$log"
    got=$(cat "$log")
    : >"$log"
    [ "$got" == "$1" ] || { printf 'expected: %s\nopened:   %s\n' "$1" "$got"; return 1; }
}
keys() { # keys WINDOW KEY...: types the keys once WINDOW has the keyboard
    wait_active "$1" && xdotool key --delay 300 "${@:2}"
}
# other_window PID WINDOW: PID's one window with the caption besides WINDOW (About over the main
# window).
other_window() { windows "$1" | grep -vx "$2"; }
shot() { [ -n "${SHOTS:-}" ] && import -window root "$SHOTS/$1.png"; return 0; }
running() { kill -0 "$1" 2>/dev/null; }
stopped() { ! running "$1"; }
# exit_width PID: PID shows exactly one window with the caption, 455 pixels wide (the exit
# window in place of the main window).
exit_width() {
    local shown
    shown=$(windows "$1")
    [ "$(wc -l <<<"$shown")" -eq 1 ] && xdotool getwindowgeometry "$shown" | grep -q 'Geometry: 455x'
}
ended_with_0() {
    wait_for 10 stopped "$1"
    wait "$1" 2>/dev/null
    local status=$?
    [ "$status" -eq 0 ] || { echo "status $status"; return 1; }
}

"$kelvora" & app=$!
pids+=("$app")
wait_count "$app" 1
main=$(windows "$app")
check "the main window is up" test -n "$main"
eval "$(xdotool getwindowgeometry --shell "$main")"
menu=$((HEIGHT - 550))
check "the client area is 835 x 550 below a menu bar (${WIDTH}x${HEIGHT})" \
    test "$WIDTH" -eq 835 -a "$menu" -ge 15 -a "$menu" -le 40
focus "$main"
shot main

keys "$main" alt+h o
check "Help, Online Help opens the help page" opened "$help"
keys "$main" alt+h v
check "Help, Visit Us Online opens the home page" opened "$home"
keys "$main" alt+h c
check "Help, Check for Software Update opens the download page" opened "$update"

xdotool mousemove $((X + 417)) $((Y + menu + 14)) click 1
check "the banner opens the home page" opened "$home"

# The footer: the co-brand text wraps to a longer second line than the full-brand one, which
# tells which offer is in front; a click there must open that offer's page.
import -window root -crop 759x16+$((X + 34))+$((Y + menu + 524)) +repage "$work/line2.png"
width=$(convert "$work/line2.png" -fuzz 20% -trim -format '%w' info:)
if [ "$width" -gt 330 ]; then front=$co; else front=$full; fi
xdotool mousemove $((X + 417)) $((Y + menu + 523)) click 1
check "the footer offer in front (second line ${width}px wide) opens its own page" opened "$front"

# From the casting button, Tab passes the panel to the footer's offer, then to the banner.
keys "$main" Tab Tab space
check "Tab from the casting button reaches the footer offer; Space opens its page" opened "$front"
keys "$main" Tab Return
check "Tab then reaches the banner; Return opens the home page" opened "$home"

keys "$main" alt+h a
check "Help, About Software opens About" wait_count "$app" 2
shot about
keys "$(other_window "$app" "$main")" Return
check "Enter closes About" wait_count "$app" 1
focus "$main"
keys "$main" alt+h a
wait_count "$app" 2
keys "$(other_window "$app" "$main")" Escape
check "Esc closes About" wait_count "$app" 1
check "About opened no page" test ! -s "$log"

# File, Enter Mothers (Ctrl+M) by keyboard alone: the digits typed show on the board, each cell as
# one dot or two (told by the width drawn there). After a modal window closes, a bare X server
# gives the main window no focus back.
mothers() { xdotool search --all --onlyvisible --pid "$app" --name '^Enter Mothers$' 2>/dev/null | grep .; }
mothers_shown() { mothers >/dev/null; }
dots() {
    import -window root "$work/board.png"
    for c in $(seq 0 15); do
        convert "$work/board.png" -crop 58x16+$((X + 92 + 64 * (c / 4)))+$((Y + menu + 162 + 32 * (c % 4))) \
            +repage -fuzz 30% -trim -format '%[fx:w > 25 ? 2 : 1]' info: 2>/dev/null
    done
}
focus "$main"
keys "$main" ctrl+m
check "Ctrl+M opens Enter Mothers" wait_for 10 mothers_shown
wait_active "$(mothers)" && xdotool type --delay 50 1112111212112121 && xdotool key Return
check "sixteen digits and Return put them on the board dot for dot" \
    wait_for 10 eval '[ "$(dots)" == 1112111212112121 ]'

"$xclose" "$main"
wait_for 10 exit_width "$app"
exit_window=$(windows "$app")
check "closing the main window brings up the exit window at once" test -n "$exit_window"
[ -n "$exit_window" ] && eval "$(xdotool getwindowgeometry --shell "$exit_window")"
check "... in place of the main window (${WIDTH}x${HEIGHT})" test "$WIDTH" -eq 455
check "... and the program is still running" running "$app"
focus "$exit_window"
shot exit
keys "$exit_window" alt+y
xdotool type --delay 50 "Ana & Co"
keys "$exit_window" alt+e
xdotool type --delay 50 "bo@example.org"
keys "$exit_window" alt+s
check "Send opens the refer page with the fields encoded" opened \
    "${home%/}/refer.html?yourname=Ana%20%26%20Co&friendname=&friendemail=bo%40example.org"
"$xclose" "$exit_window"
check "closing the exit window ends the program with status 0" ended_with_0 "$app"
check "... and gives the lock back" test ! -e "$work/kelvora.lock"

# File, Exit and the exit window's Exit button.
"$kelvora" & app=$!
pids+=("$app")
wait_count "$app" 1
main=$(windows "$app")
focus "$main"
keys "$main" alt+f x
wait_for 10 exit_width "$app"
exit_window=$(windows "$app")
[ -n "$exit_window" ] && eval "$(xdotool getwindowgeometry --shell "$exit_window")"
check "File, Exit brings up the exit window in place of the main window" \
    test "$(wc -l <<<"$exit_window")" -eq 1 -a "$WIDTH" -eq 455
focus "$exit_window"
keys "$exit_window" alt+x
check "its Exit button ends the program with status 0" ended_with_0 "$app"
check "nothing else was opened" test ! -s "$log"

[ "$failures" -eq 0 ]
