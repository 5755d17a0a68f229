#!/usr/bin/env bash
# A copy of Kelvora under another file name (kelvora-1.1, as a packager or a user might keep two
# versions) keeps its charts where Kelvora always has: a chart kept from it lands in
# $XDG_DATA_HOME/Kelvora/kelvora/journal.sqlite, and nowhere else.
# usage: e2e_renamed.sh path/to/kelvora
set -u
kelvora=$(realpath "$1")
source "$(dirname "$0")/e2e_common.sh"
export HOME=$work XDG_DATA_HOME=$work/data

# A hard link: the system runs it under the new name (Qt follows a symbolic link to the target).
copy=$work/kelvora-1.1
ln "$kelvora" "$copy" 2>/dev/null || cp "$kelvora" "$copy"
shown_window() { xdotool search --all --onlyvisible --pid "$app" --name "^$1\$" 2>/dev/null | head -1 | grep .; }

"$copy" --cast 1112/1112/1211/2121 & app=$!
pids+=("$app")
main=$(wait_for 15 shown_window "Kelvora v[0-9.]*")
check "the renamed copy is up" test -n "$main" || exit 1
focus "$main" && xdotool key --delay 100 $(printf 'space %.0s' $(seq 8)) ctrl+k
keep=$(wait_for 15 shown_window "Keep in Journal")
check "Ctrl+K asks for the question" test -n "$keep" || exit 1
wait_active "$keep" && xdotool type --delay 60 "renamed" && xdotool key --delay 100 Tab Tab Return
kept() { find "$XDG_DATA_HOME" -name journal.sqlite | grep -q .; }
wait_for 10 kept
check "the chart is kept in Kelvora's own journal, and in no other" \
    test "$(cd "$XDG_DATA_HOME" && find . -name journal.sqlite)" = ./Kelvora/kelvora/journal.sqlite

exit $((failures > 0))
