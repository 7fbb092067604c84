#!/usr/bin/env bash
# Makes the Wine prefix that runs the Windows build, once: a fresh prefix with Tahoma (from
# Debian's fonts-wine), the face KOV takes where "MS Sans Serif" is missing. A fresh prefix has
# neither; real Windows has both. The host fonts Wine adds are only those of tests/fonts.
# A prefix already made is left as it is.
# usage: wine_prefix.sh <prefix folder>
set -euo pipefail
prefix=$(realpath -m "$1")
stamp="$prefix/.kov-prefix-ready"
[ -e "$stamp" ] && exit 0
# Tests started side by side wait for the one that makes the prefix.
mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
[ -e "$stamp" ] && exit 0

export WINEPREFIX=$prefix WINEDEBUG=-all WINEARCH=win64
FONTCONFIG_FILE="$(cd "$(dirname "$0")/../fonts" && pwd)/fonts.conf"
export FONTCONFIG_FILE
# No offer to fetch Mono or Gecko: the game needs neither.
export WINEDLLOVERRIDES="mscoree,mshtml="
wine=${WINE:-/usr/lib/wine/wine64}
rm -rf "$prefix"
# What Wine says goes to a log, shown only when a step fails.
log=$prefix.log
trap 'echo "wine_prefix.sh: could not make $prefix:" >&2; cat "$log" >&2' ERR
"$wine" wineboot -i >"$log" 2>&1
fonts="$prefix/drive_c/windows/Fonts"
mkdir -p "$fonts"
cp /usr/share/wine/fonts/tahoma.ttf /usr/share/wine/fonts/tahomabd.ttf "$fonts/"
substitutes='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
for name in "MS Sans Serif" "Microsoft Sans Serif" "MS Shell Dlg" "MS Shell Dlg 2"; do
    "$wine" reg add "$substitutes" /v "$name" /t REG_SZ /d Tahoma /f >>"$log" 2>&1
done
"${WINESERVER:-/usr/lib/wine/wineserver}" -w 2>/dev/null || true
rm -f "$log"
touch "$stamp"
