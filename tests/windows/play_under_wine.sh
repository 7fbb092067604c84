#!/usr/bin/env bash
# Plays the cross-built KOV.exe under Wine in an X server of its own, from private copies of the
# unpacked Windows package, KOV-<version>-win64.zip: Qt's translations, the deal against the Linux
# build's shuffle, a card, the draw pile and the About box, a missing or short card.txt refused
# (message box, status 1), and a read-only program folder dealing into %APPDATA%. Given an
# installed program folder instead, plays it where it is, up to Exit.
# Usage: play_under_wine.sh WINDOWS_ZIP|PROGRAM_FOLDER WINE_PREFIX NEXT_CARD_FILE_TOOL SCREENSHOT_DIR
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source-path=SCRIPTDIR source=../e2e/lib.sh
. "$here/../e2e/lib.sh"
e2e_in_x_server 290 "$@"

package=$1 next_card_file_tool=$3 shots=$4
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
# In place of lib.sh's start_kov, so that its shared steps start KOV.exe under Wine.
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

program=${installed:-$scratch/program}
[ -n "$installed" ] || copy_program "$program"
start_on_plain_play 60 "$shots/windows"
first_turns 10 "$shots/windows"

about_by_button 15 "$shots/windows-4-about.png"

current_case="Exit"
cp "$program/card.txt" "$scratch/before-exit"
exit_game
cmp -s "$program/card.txt" "$scratch/before-exit" || fail "leaving changed card.txt"

# An installed copy is played up to here.
[ -z "$installed" ] || exit $((failures != 0))

for current_case in missing-card-file short-card-file; do
    program="$scratch/$current_case"
    copy_program "$program"
    if [ $current_case = missing-card-file ]; then rm "$program/card.txt"; else
        truncate -s 100 "$program/card.txt"
    fi
    refused "$scratch/$current_case" "$shots/windows-$current_case.png" 60 15
done

current_case="read-only folder"
program="$scratch/read-only"
copy_program "$program"
next_card_file "$program/card.txt" >"$scratch/expect-appdata"
cp "$program/card.txt" "$scratch/shipped"
# Root writes anywhere, so root gets a read-only view of the folder; anyone else a plain one.
if [ "$(id -u)" -eq 0 ]; then
    mount --bind -o ro "$program" "$program" && read_only_mount=$program
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

e2e_finish
