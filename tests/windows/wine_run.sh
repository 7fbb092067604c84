#!/usr/bin/env bash
# Runs a cross-built Windows program under Wine: ctest's emulator in the Windows build. The Qt
# and compiler DLLs are found through WINEPATH; Qt's own variables reach the program only when
# spelt WINEQT_*, and its platform is the windows one (offscreen is not built for Windows), so
# the tests need an X display.
# usage: wine_run.sh <wine prefix> <DLL folders separated by :> <Qt Test program.exe> [arguments...]
set -euo pipefail
export WINEPREFIX=$1 WINEDEBUG=${WINEDEBUG:--all}
# The host fonts Wine adds to its own: only those the set-up installs, as for every test.
FONTCONFIG_FILE="$(cd "$(dirname "$0")/../fonts" && pwd)/fonts.conf"
export FONTCONFIG_FILE
dlls=$2
shift 2
bash "$(dirname "$0")/wine_prefix.sh" "$WINEPREFIX"

export WINEPATH="Z:${dlls//:/;Z:};"
while IFS='=' read -r name value; do
    [ "$name" = QT_QPA_PLATFORM ] && value=windows
    export "WINE$name=$value"
done < <(env | grep '^QT_' || true)
export WINEQT_QPA_PLATFORM=${WINEQT_QPA_PLATFORM:-windows}
# A Qt Test program under Wine prints nothing to a pipe or a file (only to a terminal), so its
# log goes to a file that is printed afterwards.
log=$(mktemp "${TMPDIR:-/tmp}/kov-wine-test.XXXXXX")
trap 'rm -f "$log"' EXIT
status=0
"${WINE:-/usr/lib/wine/wine64}" "$@" -o "Z:$log,txt" || status=$?
cat "$log"
exit "$status"
