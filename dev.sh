#!/usr/bin/env bash
# Sets up everything Kelvora needs on a Debian 12 or 13 machine, builds it, and then either starts
# it (./dev.sh start) or runs every test (./dev.sh test). Safe to run again: it installs only
# what is missing and rebuilds only what changed. ./dev.sh test-debian13 runs the same tests in a
# clean Debian 13 system made in build-debian13/ (kept, so a second run only updates it; it needs
# root, asked for through sudo).
set -euo pipefail
cd "$(dirname "$0")"

# The release decides nothing below so far: every package named here has that name on Debian 12
# and on Debian 13 (libclang-rt-dev stands for the runtime of the release's default clang).
. /etc/os-release
case "${ID:-}:${VERSION_ID:-}" in
debian:12 | debian:13) ;;
*) echo "dev.sh: made for Debian 12 and 13; this is ${PRETTY_NAME:-unknown}, trying all the same" >&2 ;;
esac

# What building and running Kelvora needs (Xvfb for machines without a display; lupdate and
# lrelease for the translations, and Qt's own translations; Qt's SQLite driver for the journal;
# Boost's header-only maths for the Figures window's chi-square test) ...
RUN_PACKAGES=(g++ cmake make qt6-base-dev qt6-tools-dev qt6-l10n-tools
              qt6-translations-l10n libqt6sql6-sqlite libgl-dev fonts-dejavu-core xvfb xauth
              libboost-dev)
# ... and what only the tests and benchmarks need on top: among them a Wayland desktop for
# e2e_wayland (weston with XWayland, Qt's Wayland plugin, which Kelvora must pass over there, the
# AT-SPI bus and its Python bindings, and X's xprop, which reads the frame the compositor gives),
# sqlite3, which reads the journal's file as another program would, and LibreOffice Calc, which
# opens its CSV export.
TEST_PACKAGES=(libbenchmark-dev libxcb1-dev libx11-dev libxdamage-dev xdotool imagemagick unrtf pandoc poppler-utils sqlite3
               libreoffice-writer-nogui libreoffice-calc-nogui xclip desktop-file-utils appstream
               clang libclang-rt-dev
               weston xwayland x11-utils qt6-wayland at-spi2-core python3-pyatspi dbus-daemon dbus-bin)

# install_packages PACKAGE...: installs those that are missing.
install_packages() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# build DIR TARGET [cmake options...]: TARGET "all" builds everything.
build() {
    local dir=$1 target=$2
    shift 2
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$dir" -j"$(nproc)" --target "$target"
}

case "${1:-}" in
start)
    install_packages "${RUN_PACKAGES[@]}"
    build build kelvora
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "No display: starting Kelvora on a private virtual screen (Xvfb :99)." >&2
        Xvfb :99 -noreset -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        export DISPLAY=:99
        # Ready once its socket is there.
        for _ in $(seq 50); do [ -S /tmp/.X11-unix/X99 ] && break; sleep 0.1; done
    fi
    exec build/shell/kelvora
    ;;
test)
    install_packages "${RUN_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
    build build all
    (cd build && ctest --output-on-failure)
    # The same tests again with AddressSanitizer and UndefinedBehaviorSanitizer.
    build build-asan all -DKELVORA_SANITIZE=ON -DKELVORA_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
    (cd build-asan && ctest --output-on-failure)
    # Short runs of the fuzzers (clang's libFuzzer) from their committed corpus.
    CC=clang CXX=clang++ cmake -S . -B build-fuzz -DKELVORA_FUZZ=ON -DKELVORA_BUILD_TESTS=OFF \
        -DKELVORA_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build build-fuzz -j"$(nproc)" --target fuzz_rtf fuzz_links
    (cd build-fuzz && ctest --output-on-failure)
    ;;
test-debian13)
    # The same tests in a clean Debian 13 system, with the working tree copied in (its build
    # folders kept there between runs), as on a fresh Debian 13 machine: the system is brought up
    # to date first. system.sh asks for root through sudo, as install_packages does.
    system=build-debian13/system
    .ci/system.sh make trixie "$system"
    .ci/system.sh copy "$system"
    .ci/system.sh run "$system" bash -c 'apt-get update -qq && apt-get upgrade -y -qq'
    .ci/system.sh run "$system" ./dev.sh test
    ;;
*)
    echo "usage: $0 start|test|test-debian13" >&2
    exit 2
    ;;
esac
