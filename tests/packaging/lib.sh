# Shared by the packaging tests: a scratch folder removed on exit, failure reports, cpack, and the
# installed game started offscreen until it has dealt.
# shellcheck shell=bash

set -euo pipefail

scratch=$(mktemp -d "${TMPDIR:-/tmp}/kov-packaging.XXXXXX")
game_pid=""
cleanup() {
    [ -z "$game_pid" ] || { kill "$game_pid" && wait "$game_pid"; } 2>/dev/null || true
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
check() { "${@:2}" || fail "$1"; } # check <description> <command...>
finish() {
    if [ "$failures" -ne 0 ]; then
        echo "$failures check(s) failed" >&2
        exit 1
    fi
    echo "all checks passed"
}

# dealt <card file> <shipped card file>: the card file holds a 108-card order of its own.
dealt() { [ -f "$1" ] && [ "$(stat -c %s "$1")" -eq 218 ] && ! cmp -s "$1" "$2"; }

# logged <log> <command...>: runs the command with its output in the log, shown (the end of it)
# if the command fails, which ends the test.
logged() {
    "${@:2}" >"$1" 2>&1 || {
        tail -n 40 "$1" >&2
        exit 1
    }
}

# packages <cpack> <build dir> <generators> <output dir>: the build's packages, made by cpack.
packages() {
    logged "$scratch/cpack.log" "$1" --config "$2/CPackConfig.cmake" -G "$3" -B "$4"
}

# The game's home and runtime folders; root may write anywhere, so then the player is an
# ordinary account that owns them, and player is the command that runs as that account.
home=$scratch/home runtime=$scratch/runtime
mkdir "$home" && mkdir -m 700 "$runtime"
player=()
as_player() {
    [ "$(id -u)" -eq 0 ] || return 0
    chmod 755 "$scratch"
    chown -R 65534:65534 "$home" "$runtime"
    player=(setpriv --reuid=65534 --regid=65534 --clear-groups)
}

# play <card file that must be dealt> <card file it started as> <kov>: the game, as the player
# where as_player has been called, deals; it is stopped once it has, or after 20 seconds.
play() {
    "${player[@]}" env -u XDG_DATA_HOME HOME="$home" XDG_RUNTIME_DIR="$runtime" \
        QT_QPA_PLATFORM=offscreen "$3" >"$scratch/game.log" 2>&1 &
    game_pid=$!
    for _ in $(seq 200); do
        { dealt "$1" "$2" || ! kill -0 "$game_pid" 2>/dev/null; } && break
        sleep 0.1
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
    dealt "$1" "$2"
}
