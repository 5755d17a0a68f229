#!/usr/bin/env bash
# Web addresses leave the program letter for letter: in a private X server, with a fake browser
# first on PATH that logs its arguments, the five page openers and a left-button press on the
# address in a link-aware box reach the browser unchanged; a right-button press and mouse moves
# open nothing; with no browser at all an opener returns at once.
# usage: e2e_browser.sh path/to/link_probe
set -u
probe=$1
source "$(dirname "$0")/e2e_common.sh"
mkdir -p "$work/empty"
fake_browser

# wait_lines N: the log holds N lines, within 10 s.
logged() { [ "$(wc -l <"$log")" -ge "$1" ]; }
wait_lines() { wait_for 10 logged "$1"; }
same() { [ "$1" == "$2" ] || { printf 'expected:\n%s\nactual:\n%s\n' "$1" "$2"; return 1; }; }

# The five openers, each address exactly as compiled in.
expected=$(PATH="$work/bin:$PATH" "$probe" openers)
check "openers ran" test -n "$expected"
wait_lines 5
# Each opener starts its browser on its own, so they may write in any order.
check "each opener's address reached the browser unchanged" \
    same "$(sort <<<"$expected")" "$(sort "$log")"

# A press on the address in the box.
: >"$log"
PATH="$work/bin:$PATH" "$probe" click >"$work/coords" &
clicker=$!
pids+=("$clicker")
wait_for 10 test -s "$work/coords"
read -r lx ly px py <"$work/coords"
check "the box showed its text" test -n "${py:-}"
home=$(sed -n 2p <<<"$expected")
# menu_shown: the probe shows a second window, the box's own context menu (which carries the
# program's class but no process id).
menu_shown() { [ "$(xdotool search --onlyvisible --class '^link_probe$' 2>/dev/null | wc -l)" -ge 2 ]; }
menu_gone() { ! menu_shown; }
# The keys reach the menu through the window it opened over, which the box's window is once it has
# the keyboard (given as a window manager gives it to a window clicked).
box_window=$(xdotool search --all --onlyvisible --pid "$clicker" --name '^link_probe$' 2>/dev/null | head -1)
focus "$box_window"
xdotool mousemove "$px" "$py" click 1 mousemove "$lx" "$ly" click 3
check "a right-button press brings up the box's menu" wait_for 10 menu_shown
wait_active "$box_window" && xdotool key Escape
check "... which Escape closes" wait_for 10 menu_gone
# The press on the address comes after the moves and presses that must open nothing, so an
# address they opened would be in the log before it.
xdotool mousemove "$lx" "$ly" click 1
wait_lines 1
# A moment for a second, unwanted address to arrive: an absence cannot be waited on.
sleep 0.5
check "only the left-button press on the address opened a page: the home page, once, unchanged" \
    same "$home" "$(cat "$log")"

# No browser at all: the opener returns at once and the program ends normally.
start=$(date +%s)
timeout 10 env PATH="$work/empty" "$probe" openers >/dev/null 2>&1
status=$?
check "with no browser the openers return and the program ends normally" same 0 "$status"
check "... promptly" test $(($(date +%s) - start)) -le 5

[ "$failures" -eq 0 ]
