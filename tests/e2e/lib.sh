# Shared by the end-to-end scripts: runs the real kov in an X server of its own, drives it with
# xdotool and reads the screen with ImageMagick. Every wait here gives up after a few seconds.
# shellcheck shell=bash

# Re-runs the calling script inside its own Xvfb. Each script starts its search for a free
# display at its own number so that tests run side by side rarely race for one.
e2e_in_x_server() {
    local first_display=$1
    shift
    if [ -n "${KOV_E2E_DISPLAY_READY:-}" ]; then
        return 0
    fi
    local tool
    for tool in xvfb-run xdotool import compare convert timeout cmp; do
        if ! command -v "$tool" >/dev/null; then
            echo "e2e: $tool is missing; scripts/setup-machine installs it" >&2
            exit 1
        fi
    done
    KOV_E2E_DISPLAY_READY=1 exec xvfb-run -a -n "$first_display" \
        -s "-screen 0 1024x768x24 -noreset" bash "$0" "$@"
}

failures=0
current_case=setup
# Set by the calling script: the build's program folder and the kov_next_card_file tool.
program_dir=${program_dir:-}
next_card_file_tool=${next_card_file_tool:-}
# The X window id of kov's main window, once the calling script has found it.
window=${window:-}
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

note() {
    echo "[$current_case] $*"
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
    if [ -n "${kov_pid:-}" ] && kill -0 "$kov_pid" 2>/dev/null; then
        kill "$kov_pid" 2>/dev/null
        wait "$kov_pid" 2>/dev/null
    fi
    if [ -n "${session_bus_pid:-}" ]; then
        kill "$session_bus_pid" 2>/dev/null
    fi
    if [ -n "${compositor_pid:-}" ]; then
        kill "$compositor_pid" 2>/dev/null
        wait "$compositor_pid" 2>/dev/null
    fi
    chmod -R u+rwX "$scratch" 2>/dev/null
    rm -rf "$scratch"
}

# A private copy of the built program folder, so that no test touches the build's own. The
# build's folder is read once, so every case runs the same executable even if it is rebuilt.
copy_program() {
    local into=$1
    if [ ! -d "$scratch/built" ]; then
        cp -r "$program_dir" "$scratch/built"
    fi
    mkdir -p "$into"
    cp -r "$scratch/built"/. "$into"/
    chmod -R a+rX "$into"
}

# Starts kov from folder $1; sets kov_pid and writes its output to $2.out and $2.err. With
# as_user=nobody it runs as an unprivileged user (permission bits do not stop root); with
# kov_wrapper set, under that command.
start_kov() {
    local folder=$1 log=$2
    local -a run=(timeout -k 2 40)
    if [ "${as_user:-}" = nobody ] && [ "$(id -u)" -eq 0 ]; then
        run+=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    fi
    # kov_wrapper: a command line that kov is started under, such as prlimit and its options.
    local -a wrapper=()
    read -r -a wrapper <<<"${kov_wrapper:-}"
    run+=("${wrapper[@]}")
    "${run[@]}" env HOME="${kov_home:-$scratch/home}" XDG_DATA_HOME="${kov_data_home:-$scratch/data}" \
        XDG_RUNTIME_DIR="${kov_runtime:-$XDG_RUNTIME_DIR}" LANG="${kov_lang:-$LANG}" \
        "$folder/kov" >"$log.out" 2>"$log.err" &
    kov_pid=$!
}

# Microseconds since the epoch.
now_us() {
    echo "${EPOCHREALTIME/./}"
}

# xdotool and import, each cut off after 5 s: a window that goes away mid-call can stall them.
xdo() {
    timeout -k 1 5 xdotool "$@"
}

shot() {
    timeout -k 1 5 import -window "$1" "$2" 2>/dev/null
}

# Waits up to $1 seconds for kov to end and sets kov_status to its exit status; one that has
# to be killed ends with 124 or more.
# shellcheck disable=SC2034 # kov_status is read by the calling scripts
wait_kov_exit() {
    if [ -z "${kov_pid:-}" ]; then
        kov_status=255
        return
    fi
    local until=$(($(now_us) + $1 * 1000000))
    while [ "$(now_us)" -lt "$until" ] && kill -0 "$kov_pid" 2>/dev/null; do
        sleep 0.1
    done
    if kill -0 "$kov_pid" 2>/dev/null; then
        fail "kov still running after ${1}s; killed"
        kill "$kov_pid" 2>/dev/null
    fi
    kov_status=0
    wait "$kov_pid" || kov_status=$?
    kov_pid=
}

# Prints the id of the visible window whose caption is exactly $1, waiting up to $2 seconds.
find_window() {
    local caption=$1 until=$(($(now_us) + $2 * 1000000)) id
    while :; do
        id=$(xdo search --onlyvisible --name "^${caption}\$" 2>/dev/null | head -n 1)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        if [ "$(now_us)" -ge "$until" ]; then
            return 1
        fi
        sleep 0.1
    done
}

# Waits up to $1 seconds for the visible window captioned $2 to go.
window_gone() {
    local until=$(($(now_us) + $1 * 1000000))
    while [ -n "$(xdo search --onlyvisible --name "^$2\$" 2>/dev/null)" ]; do
        if [ "$(now_us)" -ge "$until" ]; then
            return 1
        fi
        sleep 0.1
    done
}

# Retries a command for up to $1 seconds until it succeeds.
eventually() {
    local until=$(($(now_us) + $1 * 1000000))
    shift
    until "$@"; do
        if [ "$(now_us)" -ge "$until" ]; then
            return 1
        fi
        sleep 0.1
    done
}

background_of() {
    # Left of the draw pile, between the two turn labels: nothing is ever drawn there.
    convert "$1" -format '%[pixel:p{50,190}]' info:
}

# The boxes of the board, as ImageMagick geometry: the seven slots of each player, the two turn
# labels, the draw pile and the discard pile.
board_boxes=()
for slot in 0 1 2 3 4 5 6; do
    board_boxes+=("86x129+$((88 * slot))+0")
done
for slot in 0 1 2 3 4 5 6; do
    board_boxes+=("86x129+$((88 * slot))+260")
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
        if [ "${drawn[$((first + slot))]}" -gt 3000 ]; then
            count=$((count + 1))
        fi
    done
    echo "$count"
}

# After measure: which turn label shows, one, two, both or none.
turn_shown() {
    local one=${drawn[14]} two=${drawn[15]}
    if [ "$one" -gt 300 ] && [ "$two" -gt 300 ]; then
        echo both
    elif [ "$one" -gt 300 ]; then
        echo one
    elif [ "$two" -gt 300 ]; then
        echo two
    else
        echo none
    fi
}

piles_shown() {
    [ "${drawn[16]}" -gt 3000 ] && [ "${drawn[17]}" -gt 3000 ]
}

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

# A screenshot of window $1 into $2, measured.
shoot() {
    shot "$1" "$2" && measure "$2"
}

# A screenshot of the main window $window into $1 shows two full hands, both piles and Player One
# to move.
all_dealt() {
    shoot "$window" "$1" && [ "$(cards_shown one)" -eq 7 ] && [ "$(cards_shown two)" -eq 7 ] &&
        [ "$(turn_shown)" = one ] && piles_shown
}

# A screenshot of the main window $window into $1 shows Player One a card short of a full hand and
# Player Two to move: Player One has played.
one_card_played() {
    shoot "$window" "$1" && [ "$(cards_shown one)" -eq 6 ] && [ "$(turn_shown)" = two ]
}

# A screenshot of the main window $window into $1 shows Player One to move.
turn_back_to_one() {
    shoot "$window" "$1" && [ "$(turn_shown)" = one ]
}

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

# The card file kov writes when it deals from card file $1; with --dealing DECK, the card file
# whose deal gives that deck. The tool is copied once, like the program folder.
next_card_file() {
    if [ ! -x "$scratch/next_card_file" ]; then
        cp "$next_card_file_tool" "$scratch/next_card_file"
    fi
    "$scratch/next_card_file" "$@"
}

# Byte $2 (from 0) of file $1, as a character; card codes are printable in the files used here.
byte_at() {
    dd if="$1" bs=1 skip="$2" count=1 status=none
}

file_size() {
    stat -c %s "$1"
}

# The card with value $1 and colour $2 can go on value $3 and colour $4 without being wild or
# giving another move: then the turn passes, whatever else the hand holds.
plain_match() {
    case $1 in [0-9]) ;; *) return 1 ;; esac
    [ "$1" = "$3" ] || [ "$2" = "$4" ]
}

# The first Player One slot of the deal from card file $1 holding such a card, if any.
playable_slot() {
    local dealt="$scratch/probe-dealt" slot
    next_card_file "$1" >"$dealt" || return 1
    local discard_value discard_colour
    discard_value=$(byte_at "$dealt" 28)
    discard_colour=$(byte_at "$dealt" 29)
    for slot in 0 1 2 3 4 5 6; do
        if plain_match "$(byte_at "$dealt" $((2 * slot)))" "$(byte_at "$dealt" $((2 * slot + 1)))" \
            "$discard_value" "$discard_colour"; then
            echo "$slot"
            return 0
        fi
    done
    return 1
}

# Moves card file $1 on, deal by deal, until its next deal gives Player One a plain card that
# matches the discard, and prints that card's slot.
deck_with_plain_play() {
    local slot
    for _ in $(seq 40); do
        if slot=$(playable_slot "$1"); then
            echo "$slot"
            return 0
        fi
        next_card_file "$1" >"$scratch/step" && mv "$scratch/step" "$1"
    done
    fail "no deck in 40 deals gives Player One a plain playable card"
    return 1
}

# A session bus of the test's own, on which kov and AT-SPI clients find the accessibility bus.
# Ended by e2e_cleanup.
e2e_session_bus() {
    local started
    started=$(dbus-daemon --session --fork --nosyslog --print-address=1 --print-pid=1) || return 1
    DBUS_SESSION_BUS_ADDRESS=$(sed -n 1p <<<"$started")
    session_bus_pid=$(sed -n 2p <<<"$started")
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
