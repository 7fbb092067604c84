#!/usr/bin/env bash
# Starts the real kov on damaged program folders, one case after another, and checks what the
# user gets: a refused card file gives a message box naming it, exit status 1 and the file as it
# was; a usable one is dealt from and rewritten; a damaged picture is drawn and play goes on.
# The catalogue of cases is docs/bad-inputs.md.
# Usage: bad_inputs.sh GROUP PROGRAM_DIR NEXT_CARD_FILE_TOOL SCREENSHOT_DIR, where GROUP is one of
# card-files-refused, card-files-dealt, pictures, unprintable-codes.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source-path=SCRIPTDIR source=lib.sh
. "$here/lib.sh"
case $1 in
card-files-refused) first_display=170 cases=refused_card_files ;;
card-files-dealt) first_display=200 cases=usable_card_files ;;
pictures) first_display=230 cases=damaged_pictures ;;
unprintable-codes) first_display=260 cases=unprintable_codes ;;
*)
    echo "unknown group $1" >&2
    exit 2
    ;;
esac
e2e_in_x_server "$first_display" "$@"

program_dir=$2 next_card_file_tool=$3 shots=$4
mkdir -p "$shots"
umask 022
e2e_scratch

nobody=65534 i_am_root=false
[ "$(id -u)" -eq 0 ] && i_am_root=true

# A fresh case folder: $case_dir/program (a copy of the build's), home and data folders.
new_case() {
    [ -z "${case_started:-}" ] || note "took $((($(now_us) - case_started) / 1000)) ms"
    case_started=$(now_us) current_case=$1
    rm -f "$shots/bad-$1.png" "$shots/bad-$1-message.png"
    case_dir="$scratch/$1" program="$scratch/$1/program"
    copy_program "$program"
    mkdir -p "$case_dir/home" "$case_dir/data" && mkdir -m 700 "$case_dir/runtime"
    kov_home="$case_dir/home" kov_data_home="$case_dir/data" kov_runtime="$case_dir/runtime"
    as_user='' kov_wrapper=''
    cp "$program/card.txt" "$case_dir/shipped"
}

# Runs the rest of the case as the unprivileged user, who owns the case's own folders and the
# paths given.
as_nobody() {
    as_user=nobody
    $i_am_root || return 0
    chown -R "$nobody:$nobody" "$case_dir/home" "$case_dir/data" "$case_dir/runtime"
    [ $# -eq 0 ] || chown "$nobody:$nobody" "$@"
}

# kov must refuse to start (refused), its standard error naming $1.
expect_refusal() {
    refused "$case_dir/kov" "$shots/bad-$current_case-message.png" 10 5
    grep -q '^kov: ' "$case_dir/kov.err" || fail "no 'kov: ' line on standard error"
    grep -qF -- "$1" "$case_dir/kov.err" || fail "standard error does not name $1"
    note "refused: $(grep -m 1 '^kov: ' "$case_dir/kov.err")"
}

# kov must start, deal and write to card file $1 (the program's own unless given) the order
# that follows the one in $2 (by default $1 as it was), with every slot showing a card.
expect_deal() {
    local card=${1:-$program/card.txt}
    next_card_file "${2:-$card}" >"$case_dir/expected" || fail "the helper refused the card file"
    window=
    start_kov "$program" "$case_dir/kov"
    if ! window=$(find_window "$window_caption" 10); then
        fail "no main window within 10 s"
        sed 's/^/    /' "$case_dir/kov.err" >&2
        wait_kov_exit 5
        return
    fi
    [ "$(file_size "$card")" -eq 218 ] || fail "card.txt is $(file_size "$card") bytes after the deal"
    cmp -s "$card" "$case_dir/expected" || fail "card.txt is not the next order of the file"
    eventually 5 full_hands "$shots/bad-$current_case.png" ||
        fail "the board shows $(cards_shown one) + $(cards_shown two) cards"
}

# Card files that cannot be dealt from.
refused_card_files() {
    # A file-size limit below the card file's size: the write fails and the deal is refused,
    # instead of the signal killing the program; no temporary file is left. Standard error goes
    # through a pipe, which the limit does not cover, so it is read whole.
    local spoilt said
    for spoilt in missing empty short-100 short-215 folder unreadable file-size-limit \
        read-only-shipped-short-100 read-only-shipped-fifo; do
        new_case $spoilt
        said=
        case $spoilt in
        missing) rm "$program/card.txt" ;;
        empty) : >"$program/card.txt" ;;
        short-*) head -c "${spoilt#short-}" "$case_dir/shipped" >"$program/card.txt" ;;
        folder) rm "$program/card.txt" && mkdir "$program/card.txt" ;;
        unreadable) as_nobody "$program" && chmod 000 "$program/card.txt" ;;
        file-size-limit)
            kov_wrapper="$case_dir/limited" said='File too large'
            printf '%s\n' '#!/usr/bin/env bash' 'exec 2> >(cat >&2)' \
                'exec prlimit --fsize=100 -- "$@"' >"$kov_wrapper"
            chmod 755 "$kov_wrapper"
            ;;
        # A read-only install whose shipped card.txt cannot be dealt from: refused by its own
        # name, nothing made in the user's folder, and a FIFO never waited on.
        read-only-shipped-*)
            as_nobody
            rm "$program/card.txt"
            if [ "$spoilt" = read-only-shipped-fifo ]; then mkfifo "$program/card.txt"; else
                head -c 100 "$case_dir/shipped" >"$program/card.txt"
            fi
            chmod 555 "$program"
            ;;
        esac
        expect_refusal "$program/card.txt"
        grep -q "$said" "$case_dir/kov.err" || fail "the refusal does not say $said"
        [ -z "$(ls -A "$kov_data_home")" ] || fail "something was made in the user's data folder"
    done

    # Readable, but the file it leads to sits in a folder nobody may write: the new order cannot
    # be saved.
    new_case unwritable
    as_nobody "$program"
    mkdir "$case_dir/locked"
    mv "$program/card.txt" "$case_dir/locked/card.txt"
    ln -s "$case_dir/locked/card.txt" "$program/card.txt"
    chmod 555 "$case_dir/locked"
    locked_before=$(cksum <"$case_dir/locked/card.txt")
    expect_refusal "$program/card.txt"
    [ "$(cksum <"$case_dir/locked/card.txt")" = "$locked_before" ] || fail "the linked file changed"

    new_case read-only-no-user-folder
    as_nobody
    chmod 555 "$program"
    mkdir -m 555 "$case_dir/locked"
    kov_home="$case_dir/locked/home" kov_data_home="$case_dir/locked/data"
    expect_refusal "$kov_data_home/Vantrel/KOV"
    [ ! -e "$kov_data_home" ] || fail "something was made under the unwritable data folder"

    # A relative HOME (and a relative XDG_DATA_HOME, which is ignored): the per-user folder would
    # be another one for each working folder, and so another deck. Refused, naming it, and
    # nothing made where the game was started.
    new_case read-only-relative-home
    chmod 555 "$program"
    kov_home=relhome kov_data_home=relative-data
    mkdir "$case_dir/elsewhere"
    as_nobody "$case_dir/elsewhere"
    cd "$case_dir/elsewhere" || fail "cannot enter the starting folder"
    expect_refusal "relhome/.local/share/Vantrel/KOV"
    cd "$scratch" || fail "cannot leave the starting folder"
    grep -q 'is not a full path' "$case_dir/kov.err" || fail "the refusal does not say why"
    [ -z "$(ls -A "$case_dir/elsewhere")" ] || fail "something was made in the starting folder"

    # A read-only install whose per-user copy has been emptied: that copy is the one named.
    new_case read-only-empty-user-copy
    chmod 555 "$program"
    mkdir -p "$kov_data_home/Vantrel/KOV"
    : >"$kov_data_home/Vantrel/KOV/card.txt"
    as_nobody
    expect_refusal "$kov_data_home/Vantrel/KOV/card.txt"
    [ ! -s "$kov_data_home/Vantrel/KOV/card.txt" ] || fail "the emptied per-user copy was filled"

    # Damaged while the game runs: New Game says so, and the table and the file stay as they
    # were; once the file is mended, New Game deals from it.
    new_case damaged-during-play
    expect_deal
    if [ -n "$window" ]; then
        cp "$program/card.txt" "$case_dir/mended"
        printf 7R7G >"$program/card.txt"
        press "$window" alt+n
        if box=$(find_window KOV 5); then
            shot "$box" "$shots/bad-$current_case-message.png"
            press "$box" Return
            window_gone 5 KOV || fail "the message stayed after Return"
        else
            fail "New Game on a damaged card file showed no message captioned KOV"
        fi
        shoot "$window" "$case_dir/after.png"
        measure "$case_dir/after.png" "$shots/bad-$current_case.png"
        for n in $(seq 0 17); do
            [ "${drawn[$n]}" -le 50 ] || fail "box ${board_boxes[$n]} of the table changed"
        done
        [ "$(cat "$program/card.txt")" = 7R7G ] || fail "the damaged card file was changed"
        cp "$case_dir/mended" "$program/card.txt"
        deals_again press "$window" alt+n
        quit_with_alt_x
    fi
}

# Card codes that hold control characters: each picture that cannot be shown must still get one
# whole line on standard error.
unprintable_codes() {
    local code
    for code in line-feed nul; do
        new_case "code-with-$code"
        for _ in $(seq 108); do
            if [ $code = line-feed ]; then printf '\nR'; else printf '\0G'; fi
        done >"$program/card.txt"
        expect_deal
        [ -n "$window" ] || continue
        quit_with_alt_x
        # Nothing else is written there: every line must be a whole complaint.
        if grep -qv "^kov: cannot show the card picture $program/.*\.jpg (.*)" "$case_dir/kov.err" ||
            [ "$(grep -c . "$case_dir/kov.err")" -ne 1 ]; then
            fail "the complaint is not one line naming the picture: $(cat -A "$case_dir/kov.err")"
        fi
    done
}

# Card files that can be dealt from.
usable_card_files() {
    # A deck and a line end; a deck and 9784 bytes more.
    for long in odd-217 over-long-10000; do
        new_case $long
        head -c 216 "$case_dir/shipped" >"$program/card.txt"
        if [ $long = odd-217 ]; then printf '\n'; else head -c 9784 /dev/zero | tr '\0' x; fi \
            >>"$program/card.txt"
        [ "$(file_size "$program/card.txt")" -eq "${long##*-}" ] || fail "the test made a wrong file"
        expect_deal
        quit_with_alt_x
    done

    # Bytes of a picture, led by a NUL: no card code in it names a picture, so every card is drawn.
    new_case binary
    { printf '\0\001\377\n' && tail -c +1001 "$program/7R.jpg" | head -c 296; } >"$program/card.txt"
    expect_deal
    grep -q '^kov: cannot show the card picture' "$case_dir/kov.err" ||
        fail "no complaint about the card pictures"
    # Play on with nonsense cards: every Player One slot, the pile, and a new deal.
    if [ -n "${window:-}" ]; then
        for slot in 0 1 2 3 4 5 6; do
            xdo mousemove --window "$window" $((88 * slot + 43)) 64 click 1
        done
        xdo mousemove --window "$window" 145 194 click 1
        deals_again press "$window" alt+n
        kill -0 "$kov_pid" 2>/dev/null || fail "kov died while playing nonsense cards"
        quit_with_alt_x
    fi

    new_case read-only-card-file
    as_nobody "$program" "$program/card.txt"
    chmod 444 "$program/card.txt"
    expect_deal
    quit_with_alt_x
    [ "$(stat -c %a "$program/card.txt")" = 444 ] || fail "card.txt lost its read-only mode"

    # A program folder whose name is not UTF-8, started from a folder that holds another
    # card.txt: it deals from its own, and shows its own pictures.
    new_case program-folder-byte-e9
    mv "$program" "$case_dir/"$'\xe9'
    program="$case_dir/"$'\xe9'
    mkdir "$case_dir/elsewhere"
    cp "$case_dir/shipped" "$case_dir/elsewhere/card.txt"
    cd "$case_dir/elsewhere" || fail "cannot enter the starting folder"
    expect_deal
    cd "$scratch" || fail "cannot leave the starting folder"
    quit_with_alt_x
    grep -q '^kov: cannot show the card picture' "$case_dir/kov.err" &&
        fail "pictures not shown: $(grep -m 1 '^kov:' "$case_dir/kov.err")"
    cmp -s "$case_dir/elsewhere/card.txt" "$case_dir/shipped" || fail "the other card.txt changed"
    [ "$(ls -A "$case_dir/elsewhere")" = card.txt ] || fail "files were made in the starting folder"

    # Files beside card.txt that merely look like a write's: an editor's swap file an hour old
    # survives; a temporary file of a killed write, as old, is swept away at start-up.
    new_case temporary-names
    touch -d '-1 hour' "$program/.card.txt.swp" "$program/.card.txt.kov-tmp-Ab12Cd"
    expect_deal
    quit_with_alt_x
    [ -e "$program/.card.txt.swp" ] || fail "the editor's swap file was removed"
    [ ! -e "$program/.card.txt.kov-tmp-Ab12Cd" ] || fail "the abandoned temporary file is still there"

    new_case read-only-program-folder
    as_nobody
    chmod 555 "$program"
    own="$kov_data_home/Vantrel/KOV/card.txt"
    next_card_file "$program/card.txt" >"$case_dir/first"
    expect_deal "$own" "$program/card.txt"
    quit_with_alt_x
    # The next run goes on from the user's copy.
    cp "$own" "$case_dir/after-first"
    expect_deal "$own"
    quit_with_alt_x
    cmp -s "$program/card.txt" "$case_dir/shipped" || fail "the program folder's card.txt changed"
    cmp -s "$case_dir/after-first" "$case_dir/first" ||
        fail "the first run did not deal from the program folder's order"
}

# Damaged pictures: the same deal each time, against a run with every picture whole.
damaged_pictures() {
    new_case pictures-whole
    cp "$program/card.txt" "$scratch/picture-deck"
    expect_deal
    reference="$shots/bad-pictures-whole.png"
    quit_with_alt_x
    grep -q '^kov:' "$case_dir/kov.err" && fail "complaints with every picture whole"
    dealt=$(head -c 28 "$case_dir/expected")
    damaged=${dealt:0:2}

    # Pictures that cannot be shown, then two that are: data after the end of the picture, and a
    # 4000 x 6000 picture, which is held at no more than its slot's size.
    for damage in missing truncated not-jpeg folder fifo over-8mb trailing-data huge; do
        new_case "picture-$damage"
        cp "$scratch/picture-deck" "$program/card.txt"
        picture="$program/$damaged.jpg"
        case $damage in
        missing) rm "$picture" ;;
        truncated)
            half=$(($(file_size "$picture") / 2))
            head -c "$half" "$scratch/built/$damaged.jpg" >"$picture"
            ;;
        not-jpeg) convert -size 8x8 xc:red "png:$picture" ;;
        folder) rm "$picture" && mkdir "$picture" ;;
        fifo) rm "$picture" && mkfifo "$picture" ;;
        over-8mb) truncate -s 20M "$picture" ;;
        trailing-data) head -c 4096 /dev/urandom >>"$picture" ;;
        huge) convert "$scratch/built/$damaged.jpg" -resize '4000x6000!' -quality 90 "$picture" ;;
        esac
        expect_deal
        [ -n "$window" ] || continue
        readable=false
        case $damage in trailing-data | huge) readable=true ;; esac
        complaints=$(grep -c '^kov:' "$case_dir/kov.err")
        if $readable; then
            [ "$complaints" -eq 0 ] || fail "complaints: $(cat "$case_dir/kov.err")"
        else
            complaints=$(grep -c "^kov: cannot show the card picture $picture (" "$case_dir/kov.err")
            [ "$complaints" -eq 1 ] || fail "$complaints lines name $picture on standard error, not 1"
        fi
        # kov_pid is the timeout that runs kov.
        peak_kb=$(awk '/^VmHWM:/ {print $2}' "/proc/$(pgrep -P "$kov_pid" | head -1)/status")
        note "peak memory $((peak_kb / 1024)) MB"
        [ "$peak_kb" -lt 100000 ] || fail "peak memory $((peak_kb / 1024)) MB"
        if [ "$damage" != huge ] && [ -f "$shots/bad-$current_case.png" ]; then
            # Slot n in reading order: Player One's seven, then Player Two's.
            measure "$shots/bad-$current_case.png" "$reference"
            for n in $(seq 0 13); do
                if ! $readable && [ "${dealt:$((2 * n)):2}" = "$damaged" ]; then
                    [ "${drawn[$n]}" -gt 3000 ] || fail "slot $n shows the $damaged picture anyway"
                else
                    [ "${drawn[$n]}" -le 50 ] || fail "slot $n (${dealt:$((2 * n)):2}) changed"
                fi
            done
        fi
        deals_again press "$window" alt+n
        quit_with_alt_x
    done

    # A picture missing while standard error is closed, or is a pipe whose reader has gone: the
    # warning is lost, and the window appears all the same.
    for stream in closed broken-pipe; do
        new_case "standard-error-$stream"
        cp "$scratch/picture-deck" "$program/card.txt"
        rm "$program/$damaged.jpg"
        case $stream in
        closed) redirect='exec 2>&-' ;;
        broken-pipe) redirect='exec 2> >(true); wait $!' ;;
        esac
        kov_wrapper="$case_dir/wrapper"
        printf '%s\n' '#!/usr/bin/env bash' "$redirect" 'exec "$@"' >"$kov_wrapper"
        chmod 755 "$kov_wrapper"
        expect_deal
        quit_with_alt_x
    done

    # A scale factor that would leave no usable window (zero, not a number, endless, tiny, or
    # beyond what a window system can address) is ignored: the table is shown as usual, and
    # nothing is painted at a zero size.
    for factor in 0 nan inf 1e-6 0.001 1e300; do
        new_case "scale-factor-$factor"
        kov_wrapper="env QT_SCALE_FACTOR=$factor"
        expect_deal
        quit_with_alt_x
        grep -q 'QPainter\|^kov:' "$case_dir/kov.err" &&
            fail "standard error: $(head -n 3 "$case_dir/kov.err")"
    done
}

$cases
note "took $((($(now_us) - case_started) / 1000)) ms"
e2e_finish
