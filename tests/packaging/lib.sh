# Shared by the packaging tests: a scratch folder removed on exit, failure reports, and the
# installed game started offscreen until it has dealt.
# shellcheck shell=bash

set -euo pipefail

scratch=$(mktemp -d "${TMPDIR:-/tmp}/kov-packaging.XXXXXX")
game_pid=""
cleanup() {
    if [ -n "$game_pid" ]; then
        kill "$game_pid" 2>/dev/null || true
        wait "$game_pid" 2>/dev/null || true
    fi
    # A folder made read-only on purpose must be writable again before it can be removed.
    chmod -R u+w "$scratch" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
check() { # check <description> <command...>
    local what=$1
    shift
    if ! "$@"; then
        fail "$what"
    fi
}
finish() {
    if [ "$failures" -ne 0 ]; then
        echo "$failures check(s) failed" >&2
        exit 1
    fi
    echo "all checks passed"
}

# dealt <card file> <shipped card file>: the card file holds a 108-card order of its own.
dealt() {
    [ -f "$1" ] && [ "$(stat -c %s "$1")" -eq 218 ] && ! cmp -s "$1" "$2"
}

# run_until_dealt <card file> <shipped card file> <command...>: starts the game in the
# background and stops it once it has dealt, or after 20 seconds.
run_until_dealt() {
    local watched=$1 shipped=$2
    shift 2
    "$@" >"$scratch/game.log" 2>&1 &
    game_pid=$!
    local tries=0
    while [ $tries -lt 200 ]; do
        if dealt "$watched" "$shipped"; then
            break
        fi
        if ! kill -0 "$game_pid" 2>/dev/null; then
            break
        fi
        sleep 0.1
        tries=$((tries + 1))
    done
    if ! kill -0 "$game_pid" 2>/dev/null; then
        local status=0
        wait "$game_pid" || status=$?
        game_pid=""
        echo "the game stopped by itself (status $status):" >&2
        cat "$scratch/game.log" >&2
        return 1
    fi
    kill "$game_pid"
    wait "$game_pid" 2>/dev/null || true
    game_pid=""
    dealt "$watched" "$shipped"
}
