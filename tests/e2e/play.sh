#!/usr/bin/env bash
# Plays the real kov in an X server the way a person would: clicks a card, the pile and the
# buttons, presses the Alt keys, and checks what shows on the screen and what lands in card.txt.
# With --dark it plays under GNOME's dark style (Qt's GTK theme), where every text must still read;
# with --keys it plays the first turns by the keys alone, then Player One draws by the pile's key.
# Usage: play.sh [--dark|--keys] PROGRAM_DIR NEXT_CARD_FILE_TOOL SCREENSHOT_DIR
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source-path=SCRIPTDIR source=lib.sh
. "$here/lib.sh"
case ${1:-} in
--dark) shots_named=dark-play first_display=145 ;;
--keys) shots_named=keys first_display=380 ;;
*) shots_named=play first_display=140 ;;
esac
e2e_in_x_server "$first_display" "$@"
[ "$shots_named" = play ] || shift

e2e_start "$shots_named" "$@"
if [ "$shots_named" = keys ]; then
    start_on_plain_play 30 "$shots/keys"
    first_turns 30 "$shots/keys" keys
    current_case="pile key, Player One"
    press "$window" d
    eventually 30 full_hands "$shots/keys-4-drawn.png" || fail "Player One has $(cards_shown one) cards"
    e2e_finish
    exit
fi
if [ "$shots_named" = dark-play ] && ! e2e_gtk_dark; then
    echo "e2e: Qt's GTK theme is missing; scripts/setup-machine installs qt6-gtk-platformtheme" >&2
    exit 1
fi
start_on_plain_play 10 "$shots/$shots_named"
# Inside their frames: Player One's turn label, the captions and totals, the colour in force and
# the three buttons.
check_readable "$dealt" 69x13+10+138 101x13+434+202 45x13+546+202 101x13+434+226 45x13+546+226 \
    8x113+302+138 81x25+324+156 81x25+436+156 81x25+324+204
if [ "$shots_named" = dark-play ] &&
    [ "$(convert "$dealt" -format '%[fx:p{50,190}.intensity < 0.5]' info:)" != 1 ]; then
    fail "no dark theme: the window's background is $(background_of "$dealt")"
fi
first_turns 5 "$shots/$shots_named"

current_case="New Game"
deals_again xdo mousemove --window "$window" $((320 + 44)) $((152 + 16)) click 1
eventually 5 all_dealt "$shots/$shots_named-4-new-game.png" || fail "New Game did not show two full hands with Player One to move"

current_case="Alt+N"
deals_again press "$window" alt+n

# The title, version, description, notice and OK.
about_by_button 5 "$shots/$shots_named-5-about.png" &&
    check_readable "$shots/$shots_named-5-about.png" 211x40+64+8 211x15+64+56 213x70+64+80 \
        170x119+8+168 76x15+196+260
for key in Return Escape; do
    press "$window" alt+a
    if about=$(find_window About 5); then
        press "$about" "$key"
        window_gone 5 About || fail "the About box stayed open after $key"
    else
        fail "Alt+A opened no window captioned About"
    fi
done

current_case="Alt+X"
cp "$program/card.txt" "$scratch/before-exit"
quit_with_alt_x
cmp -s "$program/card.txt" "$scratch/before-exit" || fail "leaving changed card.txt"
if grep -q '^kov:' "$scratch/kov.err"; then
    fail "complaints on standard error from the shipped files:"
    grep '^kov:' "$scratch/kov.err" >&2
fi

# The desktop's language chooses the game's: the board and the About box in each. (xdotool may
# read a caption as Latin-1, so an accented letter is matched by any.)
for language in de_DE:.+ber fr_FR:".+ propos" es_ES:"Acerca de"; do
    current_case=${language%%:*} caption=${language#*:}
    kov_lang=$current_case.UTF-8 start_kov "$program" "$scratch/kov-$current_case"
    window=$(find_window "$window_caption" 10) || fail "no window captioned '$window_caption'"
    shot "$window" "$shots/$shots_named-6-board-$current_case.png"
    xdo mousemove --window "$window" $((320 + 44)) $((200 + 16)) click 1
    if about=$(find_window "$caption" 5); then
        shot "$about" "$shots/$shots_named-7-about-$current_case.png"
        press "$about" Escape
    else
        fail "the About button opened no window captioned '$caption'"
    fi
    xdo mousemove --window "$window" $((432 + 44)) $((152 + 16)) click 1
    wait_kov_exit 5
done

e2e_finish
