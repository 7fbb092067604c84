#!/usr/bin/env bash
# Plays the real kov by the keys alone: the key of a matching card's slot, then the draw pile's
# key twice, pressed with xdotool, and checks the board on the screen after each.
# Usage: keys.sh PROGRAM_DIR NEXT_CARD_FILE_TOOL SCREENSHOT_DIR
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source-path=SCRIPTDIR source=lib.sh
. "$here/lib.sh"
e2e_in_x_server 380 "$@"

program_dir=$1
next_card_file_tool=$2
shots=$3
mkdir -p "$shots"
rm -f "$shots"/keys-*.png
e2e_scratch
mkdir -p "$scratch/home" "$scratch/data"

current_case="start-up"
program="$scratch/program"
copy_program "$program"
slot=$(deck_with_plain_play "$program/card.txt") || exit 1
start_kov "$program" "$scratch/kov"
if ! window=$(find_window "$window_caption" 30); then
    fail "no main window within 30 s"
    cat "$scratch/kov.err" >&2
    exit 1
fi
dealt="$shots/keys-1-dealt.png"
eventually 30 all_dealt "$dealt" || fail "after the deal: boxes ${drawn[*]}"

current_case="key $((slot + 1))"
press "$window" $((slot + 1))
played="$shots/keys-2-played.png"
eventually 30 one_card_played "$played" ||
    fail "after the key: $(cards_shown one) Player One cards, turn label '$(turn_shown)'"
check_discard_is_played_card "$dealt" "$played" "$slot"

current_case="pile key, Player Two"
# Player Two's hand is full: the pile gives nothing and the turn comes back.
press "$window" d
eventually 30 turn_back_to_one "$shots/keys-3-pile.png" || fail "turn label '$(turn_shown)'"
[ "$(cards_shown two)" -eq 7 ] || fail "Player Two's full hand changed"

current_case="pile key, Player One"
press "$window" d
drew() {
    shoot "$window" "$1" && [ "$(cards_shown one)" -eq 7 ]
}
eventually 30 drew "$shots/keys-4-drawn.png" || fail "Player One has $(cards_shown one) cards"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed; screenshots in $shots" >&2
    exit 1
fi
echo "all checks passed; screenshots in $shots"
