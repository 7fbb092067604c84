# Shared by the end-to-end scripts: runs the real kov in an X server of its own, drives it with
# xdotool and reads the screen with ImageMagick. Every wait here gives up after a few seconds.
# shellcheck shell=bash

# Re-runs the calling script inside its own Xvfb. Each script starts its search for a free
# display at its own number so that tests run side by side rarely race for one.
e2e_in_x_server() {
    local first_display=$1 tool
    shift
    [ -z "${KOV_E2E_DISPLAY_READY:-}" ] || return 0
    for tool in xvfb-run xdotool import compare convert timeout cmp; do
        command -v "$tool" >/dev/null && continue
        echo "e2e: $tool is missing; scripts/setup-machine installs it" >&2
        exit 1
    done
    KOV_E2E_DISPLAY_READY=1 exec xvfb-run -a -n "$first_display" \
        -s "-screen 0 1024x768x24 -noreset" bash "$0" "$@"
}

failures=0
current_case=setup
# Set by the calling script: the build's program folder, the kov_next_card_file tool, the copy
# of the program folder it plays and the X window id of that kov's main window.
program_dir=${program_dir:-} next_card_file_tool=${next_card_file_tool:-}
program=${program:-} window=${window:-}
# The exit status of the last kov that ended, set by wait_kov_exit.
kov_status=0
# The main window's title, passed in by the build (KOV_WINDOW_TITLE, cmake/Version.cmake).
# shellcheck disable=SC2034 # read by the scripts that source this
window_caption=${KOV_WINDOW_TITLE:?"the build passes KOV_WINDOW_TITLE; run the test through ctest"}

fail() {
    echo "FAIL [$current_case]: $*" >&2
    failures=$((failures + 1))
}

# A fault in the program that is known and not yet mended: reported, and the test is skipped
# (exit status 77) instead of failed. Once mended, the check passes; make it a fail then.
known_bugs=0
known_bug() {
    echo "KNOWN BUG [$current_case]: $*" >&2
    known_bugs=$((known_bugs + 1))
}

note() { echo "[$current_case] $*"; }

# e2e_start <screenshot name> <program folder> <kov_next_card_file> <screenshot folder>: the
# screenshots of an earlier run gone, a scratch folder with home and data folders, and a copy of
# the program in $program.
e2e_start() {
    program_dir=$2 next_card_file_tool=$3 shots=$4
    mkdir -p "$shots"
    rm -f "$shots/$1"-*.png
    e2e_scratch
    mkdir -p "$scratch/home" "$scratch/data"
    program="$scratch/program"
    copy_program "$program"
}

# A scratch folder that the unprivileged user of the read-only cases can also reach.
e2e_scratch() {
    scratch=$(mktemp -d "${TMPDIR:-/tmp}/kov-e2e.XXXXXX")
    chmod 755 "$scratch"
    trap e2e_cleanup EXIT
    trap 'exit 143' TERM INT HUP
    # Under offscreen the program would never reach the X server these tests look at.
    export QT_QPA_PLATFORM=xcb
    # The texts the tests look for are the English ones, whatever the machine's language;
    # kov_lang starts kov in another (start_kov).
    unset LANGUAGE LC_ALL LC_MESSAGES
    export LANG=C.UTF-8
    unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS
    export XDG_RUNTIME_DIR="$scratch/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    # No session bus unless the test starts one (e2e_session_bus): without an address, D-Bus
    # would start a bus for the X display that outlives the test.
    export DBUS_SESSION_BUS_ADDRESS="unix:path=$scratch/no-session-bus"
    # An X cookie the unprivileged user can read: xvfb-run keeps its own in a private folder.
    if [ -n "${XAUTHORITY:-}" ]; then
        cp "$XAUTHORITY" "$scratch/xauthority"
        chmod 644 "$scratch/xauthority"
        export XAUTHORITY="$scratch/xauthority"
    fi
}

e2e_cleanup() {
    local pid
    for pid in "${kov_pid:-}" "${session_bus_pid:-}" "${compositor_pid:-}"; do
        [ -z "$pid" ] || { kill "$pid" && wait "$pid"; } 2>/dev/null
    done
    chmod -R u+rwX "$scratch" 2>/dev/null
    rm -rf "$scratch"
}

# A private copy of the built program folder, so that no test touches the build's own. The
# build's folder is read once, so every case runs the same executable even if it is rebuilt.
copy_program() {
    local into=$1
    [ -d "$scratch/built" ] || cp -r "$program_dir" "$scratch/built"
    mkdir -p "$into"
    cp -r "$scratch/built"/. "$into"/
    chmod -R a+rX "$into"
}

# Starts kov from folder $1; sets kov_pid and writes its output to $2.out and $2.err. With
# as_user=nobody it runs as an unprivileged user (permission bits do not stop root); with
# kov_wrapper set, under that command line (such as prlimit and its options).
start_kov() {
    local folder=$1 log=$2
    local -a run=(timeout -k 2 40)
    if [ "${as_user:-}" = nobody ] && [ "$(id -u)" -eq 0 ]; then
        run+=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    fi
    local -a wrapper=()
    read -r -a wrapper <<<"${kov_wrapper:-}"
    run+=("${wrapper[@]}")
    "${run[@]}" env HOME="${kov_home:-$scratch/home}" XDG_DATA_HOME="${kov_data_home:-$scratch/data}" \
        XDG_RUNTIME_DIR="${kov_runtime:-$XDG_RUNTIME_DIR}" LANG="${kov_lang:-$LANG}" \
        "$folder/kov" >"$log.out" 2>"$log.err" &
    kov_pid=$!
}

now_us() { echo "${EPOCHREALTIME/./}"; } # microseconds since the epoch

# xdotool and import, each cut off after 5 s: a window that goes away mid-call can stall them.
xdo() { timeout -k 1 5 xdotool "$@"; }
shot() { timeout -k 1 5 import -window "$1" "$2" 2>/dev/null; }

# Waits up to $1 seconds for kov to end and sets kov_status to its exit status; one that has
# to be killed ends with 124 or more.
# shellcheck disable=SC2034 # kov_status is read by the calling scripts
wait_kov_exit() {
    [ -n "${kov_pid:-}" ] || { kov_status=255; return; }
    if ! eventually "$1" kov_ended; then
        fail "kov still running after ${1}s; killed"
        kill "$kov_pid" 2>/dev/null
    fi
    kov_status=0
    wait "$kov_pid" || kov_status=$?
    kov_pid=
}

kov_ended() { ! kill -0 "$kov_pid" 2>/dev/null; }

# The id of the visible window whose caption is exactly $1, if there is one.
window_captioned() {
    local id
    id=$(xdo search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
    [ -n "$id" ] && echo "$id"
}

no_window_captioned() { ! window_captioned "$1" >/dev/null; }
# find_window <caption> <seconds>: prints that window's id once it shows.
find_window() { eventually "$2" window_captioned "$1"; }
# window_gone <seconds> <caption>: waits for that window to go.
window_gone() { eventually "$1" no_window_captioned "$2"; }

# Retries a command for up to $1 seconds until it succeeds.
eventually() {
    local until=$(($(now_us) + $1 * 1000000))
    shift
    until "$@"; do
        [ "$(now_us)" -lt "$until" ] || return 1
        sleep 0.1
    done
}

# Left of the draw pile, between the two turn labels: nothing is ever drawn there.
background_of() { convert "$1" -format '%[pixel:p{50,190}]' info:; }

# The boxes of the board, as ImageMagick geometry: the seven slots of each player, the two turn
# labels, the draw pile and the discard pile.
board_boxes=()
for top in 0 260; do
    for slot in 0 1 2 3 4 5 6; do
        board_boxes+=("86x129+$((88 * slot))+$top")
    done
done
board_boxes+=(73x17+8+136 73x17+8+232 83x129+104+130 86x129+208+130)

# Counts, for each box of board_boxes in screenshot $1, the pixels that differ from screenshot
# $2, or from the plain window background; sets the array drawn to the counts, in that order.
measure() {
    local box
    local -a against
    local -a crops=()
    for box in "${board_boxes[@]}"; do
        crops+=("(" -clone 0 -crop "$box" +repage ")")
    done
    if [ -n "${2:-}" ]; then
        against=("$2")
    else
        against=("(" +clone -fill "$(background_of "$1")" -colorize 100 ")")
    fi
    read -r -a drawn < <(convert "$1" "${against[@]}" \
        -compose difference -composite -colorspace gray -threshold 0 "${crops[@]}" -delete 0 \
        -format '%[fx:round(mean*w*h)] ' info:; echo)
    if [ "${#drawn[@]}" -ne "${#board_boxes[@]}" ]; then
        drawn=(0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0)
    fi
}

# After measure: how many slots of player one or two show a card rather than the bare window.
cards_shown() {
    local first=0 count=0 slot
    [ "$1" = one ] || first=7
    for slot in 0 1 2 3 4 5 6; do
        [ "${drawn[$((first + slot))]}" -le 3000 ] || count=$((count + 1))
    done
    echo "$count"
}

# After measure: which turn label shows, one, two, both or none.
turn_shown() {
    local -a shown=(none one two both)
    echo "${shown[(drawn[14] > 300) + 2 * (drawn[15] > 300)]}"
}

piles_shown() { [ "${drawn[16]}" -gt 3000 ] && [ "${drawn[17]}" -gt 3000 ]; }

# kov under GNOME's dark style as Qt takes it over; false when Qt's GTK theme is not installed.
e2e_gtk_dark() {
    export QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark
    compgen -G "/usr/lib/*/qt6/plugins/platformthemes/libqgtk3.so" >/dev/null
}

# Fails for each box (ImageMagick geometry) of screenshot $1 holding a text whose darkest and
# lightest pixels, ink and background, lie under the 4.5:1 contrast that WCAG asks for.
check_readable() {
    local picture=$1 box ratio
    shift
    for box in "$@"; do
        ratio=$(convert "$picture" -crop "$box" +repage -colorspace RGB \
            -fx '0.2126*r+0.7152*g+0.0722*b' -format '%[fx:(maxima+0.05)/(minima+0.05)]' info:)
        awk -v r="$ratio" 'BEGIN { exit !(r >= 4.5) }' ||
            fail "text in $box of $(basename "$picture") at ${ratio:-no}:1, under 4.5:1"
    done
}

shoot() { shot "$1" "$2" && measure "$2"; } # window $1 shot into $2, measured

# A screenshot of the main window $window into $1 shows: two full hands; that, both piles and
# Player One to move; Player One a card short and Player Two to move; Player One to move.
full_hands() {
    shoot "$window" "$1" && [ "$(cards_shown one)" -eq 7 ] && [ "$(cards_shown two)" -eq 7 ]
}
all_dealt() { full_hands "$1" && [ "$(turn_shown)" = one ] && piles_shown; }
one_card_played() {
    shoot "$window" "$1" && [ "$(cards_shown one)" -eq 6 ] && [ "$(turn_shown)" = two ]
}
turn_back_to_one() { shoot "$window" "$1" && [ "$(turn_shown)" = one ]; }

# The discard pile in screenshot $2 shows the picture that Player One's slot $3 showed in
# screenshot $1, but for a few pixels.
check_discard_is_played_card() {
    local moved
    convert "$1" -crop "86x129+$((88 * $3))+0" +repage "$scratch/box-a.png"
    convert "$2" -crop "86x129+208+130" +repage "$scratch/box-b.png"
    moved=$(compare -metric AE "$scratch/box-a.png" "$scratch/box-b.png" null: 2>&1 | cut -d' ' -f1)
    [ "$moved" -le 50 ] || fail "the discard differs from the played card in $moved pixels"
}

# Gives window $1 the keyboard (there is no window manager to do it) and presses key $2 there.
press() {
    xdo windowfocus "$1" 2>/dev/null
    xdo key --clearmodifiers "$2"
}

# Alt+X on the main window, if there is one, ends kov with status 0.
quit_with_alt_x() {
    [ -n "$window" ] || return
    press "$window" alt+x
    wait_kov_exit 5
    [ "$kov_status" -eq 0 ] || fail "exit status $kov_status after Alt+X"
}

# The card file kov writes when it deals from card file $1; with --dealing DECK, the card file
# whose deal gives that deck. The tool is copied once, like the program folder.
next_card_file() {
    [ -x "$scratch/next_card_file" ] || cp "$next_card_file_tool" "$scratch/next_card_file"
    "$scratch/next_card_file" "$@"
}

# What a path is now, to compare before and after: its kind, and a file's bytes.
snapshot() {
    if [ -L "$1" ]; then
        echo "link to $(readlink "$1")"
    elif [ -d "$1" ]; then
        echo "folder holding: $(ls -A "$1")"
    elif [ -f "$1" ]; then
        echo "file $(cksum <"$1")"
    else
        echo missing
    fi
}

file_size() { stat -c %s "$1"; }

# The card with value $1 and colour $2 can go on value $3 and colour $4 without being wild or
# giving another move: then the turn passes, whatever else the hand holds.
plain_match() {
    case $1 in [0-9]) ;; *) return 1 ;; esac
    [ "$1" = "$3" ] || [ "$2" = "$4" ]
}

# Moves card file $1 on, deal by deal, until its next deal gives Player One such a card, and
# prints the first slot holding one. Card codes are printable in the files used here.
deck_with_plain_play() {
    local dealt slot
    for _ in $(seq 40); do
        dealt=$(next_card_file "$1") || break
        for slot in 0 1 2 3 4 5 6; do
            if plain_match "${dealt:2*slot:1}" "${dealt:2*slot+1:1}" "${dealt:28:1}" "${dealt:29:1}"
            then
                echo "$slot"
                return 0
            fi
        done
        next_card_file "$1" >"$scratch/step" && mv "$scratch/step" "$1"
    done
    fail "no deck in 40 deals gives Player One a plain playable card"
    return 1
}

# Moves the card file of $program on until Player One has a plain card to play, in slot $slot;
# starts kov there and waits up to $1 seconds for its main window, $window, and the deal, shot
# into $dealt ($2-1-dealt.png). Without a window the test ends.
start_on_plain_play() {
    current_case="start-up"
    slot=$(deck_with_plain_play "$program/card.txt") || exit 1
    next_card_file "$program/card.txt" >"$scratch/expect-start"
    local started geometry
    started=$(now_us)
    start_kov "$program" "$scratch/kov"
    if ! window=$(find_window "$window_caption" "$1"); then
        fail "no window captioned '$window_caption' within $1 s"
        cat "$scratch/kov.err" >&2
        exit 1
    fi
    note "window after $((($(now_us) - started) / 1000)) ms"
    geometry=$(xdo getwindowgeometry "$window" | sed -n 's/^ *Geometry: //p')
    [ "$geometry" = 618x408 ] || fail "client area is $geometry, not 618x408"
    eventually 5 cmp -s "$program/card.txt" "$scratch/expect-start" ||
        fail "card.txt after start-up is not the next order of the one before"
    dealt="$2-1-dealt.png"
    eventually "$1" all_dealt "$dealt" ||
        fail "after the deal: $(cards_shown one) + $(cards_shown two) cards, turn '$(turn_shown)'"
}

# Player One plays slot $slot, then Player Two, whose hand is full, takes from the pile, which
# gives nothing and hands the turn back: by the mouse, or with $3 = keys by the keys, waiting up
# to $1 seconds for each. Screenshots $2-2-played.png and $2-3-pile.png.
first_turns() {
    local by=${3:-mouse}
    current_case="play slot $slot by $by"
    if [ "$by" = keys ]; then press "$window" $((slot + 1)); else
        xdo mousemove --window "$window" $((88 * slot + 43)) 64 click 1
    fi
    eventually "$1" one_card_played "$2-2-played.png" ||
        fail "after the play: $(cards_shown one) Player One cards, turn label '$(turn_shown)'"
    check_discard_is_played_card "$dealt" "$2-2-played.png" "$slot"
    current_case="pile by $by, Player Two"
    if [ "$by" = keys ]; then press "$window" d; else
        xdo mousemove --window "$window" $((104 + 41)) $((130 + 64)) click 1
    fi
    eventually "$1" turn_back_to_one "$2-3-pile.png" || fail "turn label '$(turn_shown)'"
    [ "$(cards_shown two)" -eq 7 ] || fail "Player Two's full hand changed on a draw"
    [ "$(cards_shown one)" -eq 6 ] || fail "Player One's hand changed on Player Two's draw"
}

# The About button opens the About box, shot into $2, and its OK button closes it; each within
# $1 seconds.
about_by_button() {
    current_case="About"
    xdo mousemove --window "$window" $((320 + 44)) $((200 + 16)) click 1
    if ! about=$(find_window About "$1"); then
        fail "the About button opened no window captioned About"
        return 1
    fi
    sleep 0.5
    shot "$about" "$2"
    # OK sits at (192,256) 84x23 in the box.
    xdo mousemove --window "$about" 234 267 click 1
    window_gone "$1" About || fail "the About box stayed open after OK was clicked"
}

# Runs the command given (a key or a click), which must deal the next order into $program.
deals_again() {
    next_card_file "$program/card.txt" >"$scratch/expect-again"
    "$@"
    eventually 5 cmp -s "$program/card.txt" "$scratch/expect-again" ||
        fail "$* did not deal the next order"
}

# refused <log> <screenshot> <seconds for the box> <seconds to exit>: kov, started from $program,
# shows a message box captioned KOV and no main window, exits 1 once the box is answered with
# Return, and leaves card.txt and the folder holding it as they were.
refused() {
    local card="$program/card.txt" before listing box
    before=$(snapshot "$card")
    listing=$(ls -A "$program")
    start_kov "$program" "$1"
    if box=$(find_window KOV "$3"); then
        no_window_captioned "$window_caption" || fail "the main window shows along with the message"
        shot "$box" "$2"
        press "$box" Return
    else
        fail "no message box captioned KOV within $3 s"
        sed 's/^/    /' "$1.err" >&2
    fi
    wait_kov_exit "$4"
    [ "$kov_status" -eq 1 ] || fail "exit status $kov_status, not 1"
    [ "$(snapshot "$card")" = "$before" ] || fail "card.txt changed: was '$before', now '$(snapshot "$card")'"
    [ "$(ls -A "$program")" = "$listing" ] || fail "the folder now holds: $(ls -A "$program")"
}

# Ends the test: failed if a check failed, else skipped (77) if a known bug showed.
e2e_finish() {
    if [ "$failures" -ne 0 ]; then
        echo "$failures check(s) failed${shots:+; screenshots in $shots}" >&2
        exit 1
    elif [ "$known_bugs" -ne 0 ]; then
        echo "$known_bugs known bug(s) still present; skipping" >&2
        exit 77
    fi
    echo "all checks passed${shots:+; screenshots in $shots}"
}

# A session bus of the test's own, on which kov and AT-SPI clients find the accessibility bus.
# Ended by e2e_cleanup.
e2e_session_bus() {
    local started
    started=$(dbus-daemon --session --fork --nosyslog --print-address=1 --print-pid=1) || return 1
    { read -r DBUS_SESSION_BUS_ADDRESS && read -r session_bus_pid; } <<<"$started"
    export DBUS_SESSION_BUS_ADDRESS
}

# Instead of the X server: a headless Wayland compositor of the test's own, its socket in the
# test's private runtime folder, and kov told to use it. Ended by e2e_cleanup.
e2e_wayland_compositor() {
    if ! command -v weston >/dev/null; then
        echo "e2e: weston is missing; scripts/setup-machine installs it" >&2
        exit 1
    fi
    export WAYLAND_DISPLAY=kov-e2e
    weston --backend=headless-backend.so --no-config --idle-time=0 --socket="$WAYLAND_DISPLAY" \
        >"$scratch/weston.log" 2>&1 &
    compositor_pid=$!
    if ! eventually 10 test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY"; then
        cat "$scratch/weston.log" >&2
        return 1
    fi
    export QT_QPA_PLATFORM=wayland
    unset DISPLAY
}
