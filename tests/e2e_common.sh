# Sourced by the end-to-end scripts: a private work folder and X server, the clean-up of both and
# of every process listed in `pids`, and `check`, which counts failures.
# After sourcing: $work (mode 700, also XDG_RUNTIME_DIR; $work/config is XDG_CONFIG_HOME),
# DISPLAY set, `pids` empty, `failures` 0, `wait_for`, which waits on a condition, and
# `wait_active` and `focus`, which wait until a window has the keyboard.
command -v Xvfb >/dev/null && command -v xdotool >/dev/null || { echo "SKIP: no Xvfb/xdotool"; exit 77; }

work=$(mktemp -d)
chmod 700 "$work"
mkdir -p "$work/config"
export XDG_RUNTIME_DIR=$work XDG_CONFIG_HOME=$work/config QT_QPA_PLATFORM=xcb
# The checks read English texts, whatever the session's language; a script for another language
# sets LANGUAGE again after sourcing this.
export LANGUAGE=en
# The server picks a free display itself and writes its number. -noreset: with no client left
# (after a program is killed) a resetting server would refuse the next one for a moment.
exec 3>"$work/display"
Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
exec 3>&-
pids=()
# wait_for SECONDS COMMAND...: runs COMMAND every 0.1 s until it succeeds; fails after SECONDS.
wait_for() {
    local tries=$(($1 * 10))
    shift
    for _ in $(seq "$tries"); do "$@" && return 0; sleep 0.1; done
    return 1
}
cleanup() {
    for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null; done
    kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
wait_for 10 test -s "$work/display"
export DISPLAY=:$(head -1 "$work/display")
root_window=$(xdotool search --maxdepth 0 --name '' 2>/dev/null)

# keyboard_window: the window that has the X input focus, which a Qt program takes for its active
# window; "none" where no window has it (a bare X server's own setting, and where it puts the
# focus back when a modal window closes: the keys then go to whatever is under the pointer, and Qt
# takes them for no widget).
keyboard_window() {
    local focus
    focus=$(xdotool getwindowfocus -f 2>/dev/null)
    case $focus in
    "" | 0 | 1 | "$root_window") echo none ;;
    *) echo "$focus" ;;
    esac
}
# window_title WINDOW: WINDOW's id and title, for messages.
window_title() { echo "window $1 \"$(xdotool getwindowname "$1" 2>/dev/null)\""; }
has_keyboard() { # has_keyboard WINDOW...: one of the WINDOWs gets the keys typed now
    local now w
    now=$(keyboard_window)
    for w in "$@"; do [ "$w" = "$now" ] && return 0; done
    return 1
}
# wait_active WINDOW...: waits (10 s at most) until one of the WINDOWs gets the keys typed now.
# When the wait runs out it says which window has the keyboard instead, counts a failure and
# fails, so that keys meant for one window are never typed into another.
wait_active() {
    [ $# -gt 0 ] && [ -n "$1" ] && wait_for 10 has_keyboard "$@" && return 0
    not_active "${1:-none}"
}
not_active() { # not_active WINDOW: says that WINDOW has not got the keyboard, and which has
    echo "FAIL: $(window_title "$1") did not get the keyboard within 10 s;" \
        "$(window_title "$(keyboard_window)") has it"
    failures=$((failures + 1))
    return 1
}
# focus WINDOW: gives WINDOW the keyboard as a window manager gives it to a window clicked (a bare
# X server has none, and gives the focus back to no window when a modal window closes), and waits
# until it has it; asked again while it has not (a window not yet shown cannot take it).
take_keyboard() { has_keyboard "$1" || { xdotool windowfocus "$1" 2>/dev/null; has_keyboard "$1"; }; }
focus() {
    [ -n "$1" ] && wait_for 10 take_keyboard "$1" && return 0
    not_active "${1:-none}"
}

failures=0
check() { # check DESCRIPTION COMMAND...
    if "${@:2}"; then echo "PASS: $1"; else echo "FAIL: $1"; failures=$((failures + 1)); return 1; fi
}

# fake_browser: puts a logging xdg-open in $work/bin (put that first on PATH) that writes each
# address it is given to $log, one a line, in place of a browser.
fake_browser() {
    mkdir -p "$work/bin"
    unset BROWSER DEFAULT_BROWSER
    log=$work/opened.log
    : >"$log"
    cat >"$work/bin/xdg-open" <<FAKE
#!/bin/sh
for a in "\$@"; do printf '%s\n' "\$a" >>"$log"; done
FAKE
    chmod +x "$work/bin/xdg-open"
}
