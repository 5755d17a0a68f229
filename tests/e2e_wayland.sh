#!/usr/bin/env bash
# Kelvora on a Wayland desktop, as the package runs it there: a private weston with XWayland and
# a private session bus. weston runs on its X11 back end and shows its screen in a window of a
# private Xvfb, whose keyboard is the compositor's own, as a desktop's keyboard is. The program is driven
# through its accessibility interface, as a screen reader drives it (AT-SPI "Press" actions), and
# through that keyboard (xdotool typing into weston's window): it starts centred on the screen with the
# environment it was given, Qt's Wayland plugin installed beside it, and hands the browser that
# environment unchanged; a whole casting is done, the interpretation is read back, the report
# window opens and Esc closes it, File, Exit brings up the exit window, and its Exit button ends
# the program with status 0.
# usage: e2e_wayland.sh path/to/kelvora
set -u
kelvora=$(realpath "$1")
# Debian's Python, which has the AT-SPI bindings, whatever python3 comes first on PATH.
python=/usr/bin/python3
for tool in weston Xwayland Xvfb dbus-run-session xdotool xprop; do
    command -v "$tool" >/dev/null ||
        { echo "SKIP: no $tool (apt-get install weston xwayland xvfb dbus-daemon xdotool x11-utils)"; exit 77; }
done
[ -f /usr/share/dbus-1/services/org.a11y.Bus.service ] && "$python" -c 'import pyatspi' 2>/dev/null ||
    { echo "SKIP: no AT-SPI (apt-get install at-spi2-core python3-pyatspi)"; exit 77; }
# Without Qt's Wayland plugin Qt could not open a Wayland window anyway, and passing over it to
# XWayland would prove nothing.
ls /usr/lib/*/qt6/plugins/platforms/libqwayland*.so >/dev/null 2>&1 ||
    { echo "FAIL: Qt's Wayland plugin is not installed (apt-get install qt6-wayland)"; exit 1; }

work=$(mktemp -d)
chmod 700 "$work"
mkdir "$work/config"
# A browser that writes down each address and the platform variable it was started with.
mkdir "$work/bin"
cat >"$work/bin/xdg-open" <<FAKE
#!/bin/sh
echo "\$1 QT_QPA_PLATFORM=\${QT_QPA_PLATFORM-unset}" >>"$work/opened.log"
FAKE
chmod +x "$work/bin/xdg-open"
cleanup() {
    [ -n "${weston:-}" ] && kill "$weston" 2>/dev/null
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    # Whatever is left (the bus's accessibility services, say) carries this check's runtime folder
    # in its environment; the commands run here no longer do.
    unset XDG_RUNTIME_DIR
    local p
    for p in /proc/[0-9]*; do
        grep -qszxF "XDG_RUNTIME_DIR=$work" "$p/environ" && kill -9 "${p#/proc/}" 2>/dev/null
    done
    rm -rf "$work"
}
trap cleanup EXIT
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM DBUS_SESSION_BUS_ADDRESS BROWSER
export XDG_RUNTIME_DIR=$work XDG_CONFIG_HOME=$work/config HOME=$work LANGUAGE=en XDG_SESSION_TYPE=wayland

exec 3>"$work/keyboard-display"
Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
exec 3>&-
for _ in $(seq 100); do [ -s "$work/keyboard-display" ] && break; sleep 0.1; done
keyboard=:$(head -1 "$work/keyboard-display")
# Drawn in software: Xvfb has no GL (weston 10 names the choice --use-pixman, later ones --renderer).
renderer=--use-pixman
weston --help 2>&1 | grep -q -e '--renderer' && renderer=--renderer=pixman
DISPLAY=$keyboard weston --backend=x11-backend.so "$renderer" --socket=wayland-kelvora \
    --width=1280 --height=1024 --idle-time=0 --no-config --xwayland --log="$work/weston.log" &
weston=$!
for _ in $(seq 100); do
    [ -S "$work/wayland-kelvora" ] && grep -q 'xserver listening on display' "$work/weston.log" && break
    kill -0 "$weston" 2>/dev/null || break
    sleep 0.1
done
display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$work/weston.log" | head -1)
[ -n "$display" ] || { echo "FAIL: weston with XWayland did not start"; cat "$work/weston.log"; exit 1; }
echo "weston $(weston --version | grep -o '[0-9.]*$') on $work/wayland-kelvora, XWayland on $display"
# Keys typed on $keyboard reach weston, which has the focus there.
DISPLAY=$keyboard xdotool search --sync --class weston windowfocus --sync ||
    { echo "FAIL: weston's window did not take the keyboard"; exit 1; }
export WAYLAND_DISPLAY=wayland-kelvora DISPLAY=$display QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

PATH=$work/bin:$PATH timeout -k 5 150 dbus-run-session -- "$python" - "$kelvora" "$work/opened.log" \
    "$work/stderr" "$keyboard" <<'PY'
import os
import subprocess
import sys
import time

import pyatspi

kelvora, opened, stderr, keyboard = sys.argv[1:5]
failures = 0


def check(description, ok, detail=""):
    global failures
    print(("PASS: " if ok else "FAIL: ") + description + (f" ({detail})" if detail else ""))
    failures += not ok
    return ok


def wait_for(seconds, probe):
    """probe() every 0.1 s until it returns something true, for at most `seconds`."""
    end = time.monotonic() + seconds
    while True:
        try:
            value = probe()
        except Exception:  # a node that went away while it was read
            value = None
        if value or time.monotonic() > end:
            return value
        time.sleep(0.1)


def nodes(node):
    yield node
    for child in node:
        if child is not None:
            yield from nodes(child)


def find(node, role, name=None, prefix=""):
    return next((n for n in nodes(node) if n.getRole() == role and n.name.startswith(prefix)
                 and name in (None, n.name)), None)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def windows(app):
    return [w for w in app if w is not None and showing(w)]


def press(node):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    action.doAction(names.index("Press"))


def key(name):
    subprocess.run(["xdotool", "key", name], check=True, env={**os.environ, "DISPLAY": keyboard})


def active(window):
    return window.getState().contains(pyatspi.STATE_ACTIVE)


def x_focus():
    """The window XWayland gives the keys to, as the compositor set it, with its title."""
    focus = subprocess.run(["xdotool", "getwindowfocus", "-f"], capture_output=True,
                           text=True).stdout.strip()
    title = subprocess.run(["xdotool", "getwindowname", focus], capture_output=True,
                           text=True).stdout.strip()
    return f'X window {focus or "none"} "{title}"'


def key_to(app, window, name):
    """Types key `name` once the compositor has made `window` the active one (10 s at most);
    otherwise says which window was active instead, types nothing and fails."""
    if wait_for(10, lambda: active(window)):
        key(name)
        return True
    def title(w):
        return f'{w.getRoleName()} "{w.name}"'

    now = [title(w) for w in windows(app) if active(w)]
    return check(f"the {title(window)} becomes active before {name} is typed", False,
                 f"active instead: {', '.join(now) or 'no window of Kelvora'}; {x_focus()} has the keys")


def frame_extents(pid):
    """The frame the compositor put around the program's main window (left, right, top, bottom),
    as it tells X clients; none where it tells none."""
    windows = subprocess.run(["xdotool", "search", "--pid", str(pid), "--name", "^Kelvora"],
                             capture_output=True, text=True).stdout.split()
    for window in windows:
        told = subprocess.run(["xprop", "-id", window, "_NET_FRAME_EXTENTS"],
                              capture_output=True, text=True).stdout
        if "=" in told:
            return [int(n) for n in told.split("=")[1].split(",")]
    return [0, 0, 0, 0]


def centre(window, pid):
    """The centre of the window with its frame, whether the compositor framed it, and both told."""
    e = window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    left, right, top, bottom = frame_extents(pid)
    return (e.x - left + (left + e.width + right) / 2, e.y - top + (top + e.height + bottom) / 2,
            any((left, right, top, bottom)),
            f"{e.width}x{e.height} at {e.x},{e.y}, frame {left},{right},{top},{bottom}")


def application(pid):
    return next((a for a in pyatspi.Registry.getDesktop(0)
                 if a is not None and a.get_process_id() == pid and windows(a)), None)


def run(program):
    app = wait_for(20, lambda: "ended" if program.poll() is not None else application(program.pid))
    started = app is not None and not isinstance(app, str)
    if not check("Kelvora starts on the Wayland compositor and shows its main window", started,
                 "" if started else f"exit status {program.poll()}: {open(stderr).read().strip()}"):
        return
    main = windows(app)[0]
    # weston 10 frames nothing and puts the window where it asks (centred within a pixel or two);
    # weston 14 frames it (title bar and shadow) and puts it some pixels lower and to the right
    # than asked (6 and 17 measured). Qt learns where the window went only after the compositor
    # has framed and placed it.
    where = []

    def centred():
        x, y, framed, told = centre(main, program.pid)
        where.append(told)
        slack = 24 if framed else 2
        return abs(x - 640) <= slack and abs(y - 512) <= slack

    check("the main window is centred on the screen with its frame, through XWayland",
          wait_for(5, centred), where[-1] if where else "")

    press(find(main, pyatspi.ROLE_LINK, prefix="Join the Kelvora discussion board"))
    seen = wait_for(10, lambda: open(opened).read().strip())
    check("the banner opens its page in a browser that gets no QT_QPA_PLATFORM from Kelvora",
          seen and seen.endswith(" QT_QPA_PLATFORM=unset"), seen)

    captions = ([f"Click to Create Mother {n}" for n in range(1, 5)]
                + [f"Click to Create Four Daughters {n}" for n in range(1, 9)]
                + ["Display Sikidy Interpretation", "Do It Once Again"])
    button = find(main, pyatspi.ROLE_PUSH_BUTTON, prefix="Click to Create Mother")
    pressed = 0
    while button and pressed < 13 and button.name == captions[pressed]:
        press(button)
        pressed += 1
        wait_for(10, lambda: button.name == captions[pressed])
    if not check("thirteen presses of the casting button through its captions", pressed == 13
                 and button.name == captions[13], button.name if button else "no casting button"):
        return

    panel = find(main, pyatspi.ROLE_TEXT, "Sikidy Interpretation").queryText()
    text = panel.getText(0, panel.characterCount)
    at = [text.find(f"Characteristics Of House {n}(") for n in range(1, 17)]
    check("the interpretation reads back: sixteen houses in order, the first Tale",
          -1 not in at and at == sorted(at) and text.startswith("Characteristics Of House 1(Tale)")
          and text.count("Geomantic Figure Name :- ") == 16, text[:60])

    # What the report window holds is e2e_report's; here it has to open, and to close.
    press(find(main, pyatspi.ROLE_PUSH_BUTTON, "Print"))
    report = wait_for(10, lambda: next((w for w in windows(app)
                                        if w.getRole() == pyatspi.ROLE_DIALOG), None))
    if not check("Print opens the report window", report):
        return
    key_to(app, report, "Escape")
    check("Esc closes the report window",
          wait_for(10, lambda: report not in windows(app) and len(windows(app)) == 1))
    check("... and the casting button has the focus again",
          wait_for(5, lambda: button.getState().contains(pyatspi.STATE_FOCUSED)))

    press(find(main, pyatspi.ROLE_MENU_ITEM, "Exit"))
    exit_window = wait_for(10, lambda: next((w for w in windows(app) if w != main
                                             and find(w, pyatspi.ROLE_PUSH_BUTTON, "Exit")), None))
    check("File, Exit brings up the exit window in place of the main window",
          exit_window and windows(app) == [exit_window])
    if exit_window:
        press(find(exit_window, pyatspi.ROLE_PUSH_BUTTON, "Exit"))
        try:
            status = program.wait(10)
        except subprocess.TimeoutExpired:
            status = "still running"
        check("the exit window's Exit button ends the program with status 0", status == 0,
              f"status {status}")


with open(stderr, "w") as err:
    program = subprocess.Popen([kelvora], stdout=subprocess.DEVNULL, stderr=err)
try:
    run(program)
except Exception as error:  # the accessibility tree broke off: the program died or hung
    check("the program answers its accessibility interface", False, repr(error))
finally:
    if program.poll() is None:
        program.kill()
    program.wait()
if program.returncode == 0:
    check("Kelvora wrote nothing on standard error", not open(stderr).read(), open(stderr).read())
sys.exit(1 if failures else 0)
PY
status=$?
[ $status -eq 124 ] && echo "FAIL: the check took longer than 150 s"
exit $status
