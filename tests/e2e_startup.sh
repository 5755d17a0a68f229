#!/usr/bin/env bash
# The real kelvora binary in a private X server, driven as a person would drive it: it opens
# centred, a second copy is refused with its message and leaves the first alone, and a copy
# killed outright does not block the next start.
# usage: e2e_startup.sh path/to/kelvora
set -u
kelvora=$1
source "$(dirname "$0")/e2e_common.sh"

# wait_window PID NAME: the id of PID's visible window called NAME, within 15 s.
wait_window() {
    local id
    for _ in $(seq 150); do
        id=$(xdotool search --all --onlyvisible --pid "$1" --name "^$2\$" 2>/dev/null | head -1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}
has_window() { xdotool search --all --onlyvisible --pid "$1" --name "^$2\$" >/dev/null 2>&1; }
running() { kill -0 "$1" 2>/dev/null; }

"$kelvora" & first=$!
pids+=("$first")
main=$(wait_window "$first" "Kelvora v1.0")
check "the first copy shows its main window" test -n "$main"
if [ -n "$main" ]; then
    eval "$(xdotool getwindowgeometry --shell "$main")"
    centred() { [ $((X + WIDTH / 2 - 640)) -ge -2 ] && [ $((X + WIDTH / 2 - 640)) -le 2 ] &&
                [ $((Y + HEIGHT / 2 - 512)) -ge -2 ] && [ $((Y + HEIGHT / 2 - 512)) -le 2 ]; }
    check "the main window is centred on the screen (${WIDTH}x${HEIGHT} at $X,$Y)" centred
    check "the client area is 835 pixels wide" test "$WIDTH" -eq 835
fi

"$kelvora" & second=$!
pids+=("$second")
box=$(wait_window "$second" "Kelvora")
check "a second copy shows a message box titled Kelvora" test -n "$box"
no_window() { ! has_window "$@"; }
check "the second copy shows no main window" no_window "$second" "Kelvora v1.0"
if [ -n "$box" ]; then
    xdotool windowfocus --sync "$box" 2>/dev/null
    xdotool key --window "$box" Return
fi
for _ in $(seq 100); do running "$second" || break; sleep 0.1; done
stopped() { ! running "$1"; }
check "OK ends the second copy" stopped "$second"
wait "$second" 2>/dev/null
status=$?
check "the second copy ends with status 0 (got $status)" test "$status" -eq 0
check "the first copy keeps running with its main window" has_window "$first" "Kelvora v1.0"

kill -9 "$first"
wait "$first" 2>/dev/null
"$kelvora" & third=$!
pids+=("$third")
check "after the first copy is killed, a new copy starts" test -n "$(wait_window "$third" "Kelvora v1.0")"
if [ "$failures" -ne 0 ]; then
    echo "lock file: $(tr '\n' ' ' < "$work/kelvora.lock" 2>/dev/null)"
    echo "copies: first $first, second $second, third $third; running: $(pgrep -d ' ' -f "$kelvora")"
    for p in "$first" "$second" "$third"; do
        echo "windows of $p: $(xdotool search --all --pid "$p" --name . getwindowname %@ 2>/dev/null | tr '\n' '|')"
    done
fi

[ "$failures" -eq 0 ]
