#!/usr/bin/env bash
# Plays the real kov as a screen reader does, through AT-SPI alone (no xdotool, no coordinates):
# atspi_play.py finds Player One's cards by their names, presses a matching one and the draw
# pile, opens and closes the About box, and reads the new names back. kov runs in an X server,
# or with --wayland in a Wayland compositor, and on a session bus of its own.
# Usage: accessibility.sh [--wayland] PROGRAM_DIR NEXT_CARD_FILE_TOOL SCREENSHOT_DIR
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source-path=SCRIPTDIR source=lib.sh
. "$here/lib.sh"
wayland=false
if [ "${1:-}" = --wayland ]; then
    wayland=true
    shift
else
    e2e_in_x_server 350 "$@"
fi

# Debian's own Python: pyatspi is a Debian package, not one of another interpreter's.
if ! command -v dbus-daemon >/dev/null || ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
    echo "e2e: dbus-daemon or python3-pyatspi is missing; scripts/setup-machine installs them" >&2
    exit 1
fi
e2e_start accessibility "$@"
e2e_session_bus || {
    fail "no session bus"
    exit 1
}
if $wayland && ! e2e_wayland_compositor; then
    fail "the Wayland compositor did not start"
    exit 1
fi
# Qt offers the board to AT-SPI without waiting for a screen reader to ask for it.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

# Runs atspi_play.py, in mode $1 if given, against a kov started from folder $program, and
# ends that kov.
play_by_screen_reader() {
    rm -f "$scratch/listening"
    timeout -k 2 100 /usr/bin/python3 "$here/atspi_play.py" 30 "$scratch/listening" "$@" &
    local client=$!
    if eventually 30 test -e "$scratch/listening"; then
        start_kov "$program" "$scratch/kov"
    else
        fail "the AT-SPI client did not start listening within 30 s"
    fi
    wait "$client" || fail "the AT-SPI client saw the faults above"
    if [ -z "${kov_pid:-}" ] || ! kill -0 "$kov_pid" 2>/dev/null; then
        fail "kov was not running at the end"
        cat "$scratch/kov.err" >&2
    # A game that goes well writes nothing; this is where Qt complains about the window system.
    elif [ -s "$scratch/kov.err" ]; then
        fail "kov wrote to standard error:"
        cat "$scratch/kov.err" >&2
    fi
    kill "$kov_pid" 2>/dev/null
    wait "$kov_pid" 2>/dev/null
    kov_pid=
}

current_case="screen reader"
deck_with_plain_play "$program/card.txt" >/dev/null || exit 1
play_by_screen_reader

# Player One: a wild draw four and six blue skips; Player Two: green 1 to 7; a red 5 turned up.
current_case="screen reader under a modal window"
program="$scratch/modal"
copy_program "$program"
printf 'FB%s1G2G3G4G5G6G7G5R%s' "$(printf 'SB%.0s' {1..6})" "$(printf '9Y%.0s' {1..93})" \
    >"$scratch/deck"
next_card_file --dealing "$scratch/deck" >"$program/card.txt" || fail "no card file deals the table"
play_by_screen_reader modal

e2e_finish
