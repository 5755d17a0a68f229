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
wait_lines() {
    for _ in $(seq 100); do [ "$(wc -l <"$log")" -ge "$1" ] && return 0; sleep 0.1; done
    return 1
}
same() { [ "$1" == "$2" ] || { printf 'expected:\n%s\nactual:\n%s\n' "$1" "$2"; return 1; }; }

# The five openers, each address exactly as compiled in.
expected=$(PATH="$work/bin:$PATH" "$probe" openers)
check "openers ran" test -n "$expected"
wait_lines 5
check "each opener's address reached the browser unchanged" same "$expected" "$(cat "$log")"

# A press on the address in the box.
: >"$log"
PATH="$work/bin:$PATH" "$probe" click >"$work/coords" &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/coords" ] && break; sleep 0.1; done
read -r lx ly px py <"$work/coords"
check "the box showed its text" test -n "${py:-}"
home=$(sed -n 2p <<<"$expected")
xdotool mousemove "$px" "$py" click 1 mousemove "$lx" "$ly" sleep 0.3 click 3 sleep 1
check "moves, a right-button press and a press beside the address open nothing" test ! -s "$log"
# The right button brought up the box's own menu; Escape closes it.
xdotool key Escape sleep 0.3 mousemove "$lx" "$ly" click 1
wait_lines 1
check "a left-button press opened the home page, unchanged" same "$home" "$(cat "$log")"
sleep 0.5
check "... once" same 1 "$(wc -l <"$log")"

# No browser at all: the opener returns at once and the program ends normally.
start=$(date +%s)
timeout 10 env PATH="$work/empty" "$probe" openers >/dev/null 2>&1
status=$?
check "with no browser the openers return and the program ends normally" same 0 "$status"
check "... promptly" test $(($(date +%s) - start)) -le 5

[ "$failures" -eq 0 ]
