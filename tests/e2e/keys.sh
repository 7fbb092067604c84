#!/usr/bin/env bash
# Plays the real kov by the keys alone: the key of a matching card's slot, then the draw pile's
# key twice, pressed with xdotool, and checks the board on the screen after each.
# Usage: keys.sh PROGRAM_DIR NEXT_CARD_FILE_TOOL SCREENSHOT_DIR
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source-path=SCRIPTDIR source=lib.sh
. "$here/lib.sh"
e2e_in_x_server 380 "$@"

e2e_start keys "$@"
start_on_plain_play 30 "$shots/keys"
first_turns 30 "$shots/keys" keys

current_case="pile key, Player One"
press "$window" d
drew() {
    shoot "$window" "$1" && [ "$(cards_shown one)" -eq 7 ]
}
eventually 30 drew "$shots/keys-4-drawn.png" || fail "Player One has $(cards_shown one) cards"
e2e_finish
