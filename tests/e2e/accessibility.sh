#!/usr/bin/env bash
# Plays the real kov as a screen reader does, through AT-SPI alone (no xdotool, no coordinates):
# atspi_play.py finds Player One's cards by their names, presses a matching one and the draw
# pile, and reads the new names back. kov runs in an X server and on a session bus of its own.
# Usage: accessibility.sh PROGRAM_DIR NEXT_CARD_FILE_TOOL SCREENSHOT_DIR
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source-path=SCRIPTDIR source=lib.sh
. "$here/lib.sh"
e2e_in_x_server 350 "$@"

program_dir=$1
next_card_file_tool=$2
# Debian's own Python: pyatspi is a Debian package, not one of another interpreter's.
if ! command -v dbus-daemon >/dev/null || ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
    echo "e2e: dbus-daemon or python3-pyatspi is missing; scripts/setup-machine installs them" >&2
    exit 1
fi
e2e_scratch
mkdir -p "$scratch/home" "$scratch/data"
e2e_session_bus || {
    fail "no session bus"
    exit 1
}
# Qt offers the board to AT-SPI without waiting for a screen reader to ask for it.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

current_case="screen reader"
program="$scratch/program"
copy_program "$program"
deck_with_plain_play "$program/card.txt" >/dev/null || exit 1
timeout -k 2 100 /usr/bin/python3 "$here/atspi_play.py" 30 "$scratch/listening" &
client=$!
if eventually 30 test -e "$scratch/listening"; then
    start_kov "$program" "$scratch/kov"
else
    fail "the AT-SPI client did not start listening within 30 s"
fi
wait "$client" || fail "the AT-SPI client saw the faults above"
if [ -z "${kov_pid:-}" ] || ! kill -0 "$kov_pid" 2>/dev/null; then
    fail "kov was not running at the end"
    cat "$scratch/kov.err" >&2
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "all checks passed"
