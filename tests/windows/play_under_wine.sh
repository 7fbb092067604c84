#!/usr/bin/env bash
# Plays the cross-built KOV.exe under Wine in an X server of its own, from private copies of the
# Windows package, KOV-<version>-win64.zip, unpacked: it carries Qt's translations, the deal
# writes the same card.txt as the Linux build's shuffle, a card and the draw pile change the
# board, the About box opens and closes, a missing or short card.txt is refused with the message
# box and status 1, and a program folder that cannot be written deals from the player's own copy
# under %APPDATA%.
# Given an installed program folder instead of the .zip, plays it where it is, up to Exit.
# Usage: play_under_wine.sh WINDOWS_ZIP|PROGRAM_FOLDER WINE_PREFIX NEXT_CARD_FILE_TOOL SCREENSHOT_DIR
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source-path=SCRIPTDIR source=../e2e/lib.sh
. "$here/../e2e/lib.sh"
e2e_in_x_server 290 "$@"

package=$1
next_card_file_tool=$3
shots=$4
mkdir -p "$shots"
rm -f "$shots"/windows-*.png
installed=
[ -d "$package" ] && installed=$package
[ -f "$package" ] || [ -n "$installed" ] || {
    echo "no $package: scripts/windows makes it first" >&2
    exit 1
}
e2e_scratch
if [ -z "$installed" ]; then
    # The package holds one folder; copy_program takes its copies from $scratch/built.
    mkdir "$scratch/unpacked"
    (cd "$scratch/unpacked" && cmake -E tar xf "$package") || exit 1
    mv "$scratch/unpacked"/* "$scratch/built"
    program_dir=$scratch/built
fi
for language in de fr es; do
    [ -f "${installed:-$program_dir}/translations/qtbase_$language.qm" ] ||
        fail "no translations/qtbase_$language.qm"
done
export WINEPREFIX=$2 WINEDEBUG=-all WINEQT_QPA_PLATFORM=windows
export FONTCONFIG_FILE="$here/../fonts/fonts.conf"
wine=/usr/lib/wine/wine64
bash "$here/wine_prefix.sh" "$WINEPREFIX"
# The player's own folder inside the prefix, %APPDATA%\Vantrel\KOV.
appdata_kov="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Vantrel/KOV"
rm -rf "$appdata_kov"

read_only_mount=

start_kov() { # start_kov <folder> <log>
    timeout -k 2 90 "$wine" "$1/KOV.exe" >"$2.out" 2>"$2.err" &
    kov_pid=$!
}

cleanup_wine() {
    [ -z "$read_only_mount" ] || umount "$read_only_mount" 2>/dev/null
    rm -rf "$appdata_kov"
    e2e_cleanup
}
trap cleanup_wine EXIT

# Ends the game with its Exit button and expects status 0.
exit_game() {
    xdo mousemove --window "$window" $((432 + 44)) $((152 + 16)) click 1
    wait_kov_exit 15
    [ "$kov_status" -eq 0 ] || fail "exit status $kov_status after Exit"
}

current_case="start-up"
program=${installed:-$scratch/program}
[ -n "$installed" ] || copy_program "$program"
slot=
for _ in $(seq 40); do
    slot=$(playable_slot "$program/card.txt") && break
    next_card_file "$program/card.txt" >"$scratch/step" && mv "$scratch/step" "$program/card.txt"
done
[ -n "$slot" ] || {
    fail "no deck in 40 deals gives Player One a plain playable card"
    exit 1
}
next_card_file "$program/card.txt" >"$scratch/expect-start"
started=$(now_us)
start_kov "$program" "$scratch/kov"
if ! window=$(find_window "$window_caption" 60); then
    fail "no window captioned '$window_caption' within 60 s"
    cat "$scratch/kov.err" >&2
    exit 1
fi
note "window after $((($(now_us) - started) / 1000)) ms"
geometry=$(xdo getwindowgeometry "$window" | sed -n 's/^ *Geometry: //p')
[ "$geometry" = 618x408 ] || fail "client area is $geometry, not 618x408"
eventually 5 cmp -s "$program/card.txt" "$scratch/expect-start" ||
    fail "card.txt after the deal differs from the Linux build's shuffle of the same file"
dealt="$shots/windows-1-board.png"
eventually 10 all_dealt "$dealt" ||
    fail "after the deal: $(cards_shown one) + $(cards_shown two) cards, turn label '$(turn_shown)'"

current_case="play a card"
xdo mousemove --window "$window" $((88 * slot + 43)) 64 click 1
eventually 10 one_card_played "$shots/windows-2-played.png" ||
    fail "after playing slot $slot: $(cards_shown one) Player One cards, turn label '$(turn_shown)'"
check_discard_is_played_card "$dealt" "$shots/windows-2-played.png" "$slot"

current_case="draw"
# Player Two's hand is full: the pile gives nothing and hands the turn back.
xdo mousemove --window "$window" $((104 + 41)) $((130 + 64)) click 1
eventually 10 turn_back_to_one "$shots/windows-3-pile-clicked.png" ||
    fail "turn label '$(turn_shown)' after Player Two clicked the pile"

current_case="About"
xdo mousemove --window "$window" $((320 + 44)) $((200 + 16)) click 1
if about=$(find_window About 15); then
    sleep 0.5
    shot "$about" "$shots/windows-4-about.png"
    xdo mousemove --window "$about" 234 267 click 1
    window_gone 10 About || fail "the About box stayed open after OK was clicked"
else
    fail "the About button opened no window captioned About"
fi

current_case="Exit"
cp "$program/card.txt" "$scratch/before-exit"
exit_game
cmp -s "$program/card.txt" "$scratch/before-exit" || fail "leaving changed card.txt"

# An installed copy is played up to here.
[ -z "$installed" ] || exit $((failures != 0))

# refuse <case> <function that spoils $program>: kov shows the message box captioned KOV, exits 1
# once it is answered, and leaves the folder as it was.
# The names in a folder, one a line, in order.
names_in() {
    find "$1" -mindepth 1 -maxdepth 1 -printf '%f\n' | sort
}

refuse() {
    current_case=$1
    program="$scratch/$current_case"
    copy_program "$program"
    "$2"
    local listing before
    listing=$(names_in "$program")
    before=$({ cksum <"$program/card.txt"; } 2>/dev/null || echo missing)
    start_kov "$program" "$scratch/$current_case"
    if message=$(find_window KOV 60); then
        sleep 0.5
        shot "$message" "$shots/windows-$current_case.png"
        press "$message" Return
        wait_kov_exit 15
        [ "$kov_status" -eq 1 ] || fail "exit status $kov_status, not 1"
    else
        fail "no message box captioned KOV within 60 s"
        wait_kov_exit 1
    fi
    [ "$(names_in "$program")" = "$listing" ] || fail "the folder changed: $(names_in "$program" | tr '\n' ' ')"
    [ "$({ cksum <"$program/card.txt"; } 2>/dev/null || echo missing)" = "$before" ] ||
        fail "card.txt changed"
}
remove_card_file() { rm "$program/card.txt"; }
shorten_card_file() { truncate -s 100 "$program/card.txt"; }
refuse missing-card-file remove_card_file
refuse short-card-file shorten_card_file

current_case="read-only folder"
program="$scratch/read-only"
copy_program "$program"
next_card_file "$program/card.txt" >"$scratch/expect-appdata"
cp "$program/card.txt" "$scratch/shipped"
# Root writes anywhere, so root gets a read-only view of the folder; anyone else a plain one.
if [ "$(id -u)" -eq 0 ]; then
    if mount --bind -o ro "$program" "$program"; then
        read_only_mount=$program
    fi
else
    chmod a-w "$program"
fi
if touch "$program/probe" 2>/dev/null; then
    rm -f "$program/probe"
    note "skipped: no folder that cannot be written can be made here (not root, or no bind mount)"
else
    start_kov "$program" "$scratch/read-only"
    if window=$(find_window "$window_caption" 60); then
        eventually 5 cmp -s "$appdata_kov/card.txt" "$scratch/expect-appdata" ||
            fail "no dealt card.txt in %APPDATA%\\Vantrel\\KOV"
        exit_game
    else
        fail "no window captioned '$window_caption' within 60 s"
        if message=$(find_window KOV 0); then
            shot "$message" "$shots/windows-read-only.png"
            press "$message" Return
        fi
        wait_kov_exit 15
    fi
    cmp -s "$program/card.txt" "$scratch/shipped" || fail "the read-only folder's card.txt changed"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed; screenshots in $shots" >&2
    exit 1
fi
echo "all checks passed; screenshots in $shots"
