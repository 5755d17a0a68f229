# Sourced by the end-to-end scripts: a private work folder and X server, the clean-up of both and
# of every process listed in `pids`, and `check`, which counts failures.
# After sourcing: $work (mode 700, also XDG_RUNTIME_DIR; $work/config is XDG_CONFIG_HOME),
# DISPLAY set, `pids` empty, `failures` 0, and `wait_for`, which waits on a condition.
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

failures=0
check() { # check DESCRIPTION COMMAND...
    if "${@:2}"; then echo "PASS: $1"; else echo "FAIL: $1"; failures=$((failures + 1)); fi
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
