#!/usr/bin/env bash
# Installs KOV into a scratch root and plays the installed copy: once from a folder the player
# may write, once from a read-only one, where the deck order must go to the player's own folder.
# usage: install_test.sh <cmake> <build dir> <assets dir> <packaging dir> <metainfo>
. "$(dirname "$0")/lib.sh"
cmake=$1 build=$2 assets=$3 packaging=$4 metainfo=$5

root=$scratch/root
program=$root/opt/kov
"$cmake" --install "$build" --prefix "$root" >"$scratch/install.log" ||
    {
        cat "$scratch/install.log" >&2
        exit 1
    }

# The program folder: the executable, the shipped card file and the 60 pictures, nothing else.
check "executable installed" test -f "$program/kov" -a -x "$program/kov"
check "card.txt is the shipped deck" cmp -s "$program/card.txt" "$assets/card.txt"
pictures=0
for picture in "$assets"/*.jpg; do
    name=$(basename "$picture")
    [ "$name" = cardback.jpg ] && continue
    pictures=$((pictures + 1))
    check "$name installed unchanged" cmp -s "$program/$name" "$picture"
done
check "60 card pictures in the assets" test "$pictures" -eq 60
entries=$(find "$program" -mindepth 1 | wc -l)
check "program folder holds 62 entries, not $entries" test "$entries" -eq 62
check "files readable by everyone" test -z "$(find "$program" ! -perm -a+r)"

# The launcher and the desktop files.
check "usr/bin/kov is a symbolic link" test -L "$root/usr/bin/kov"
check "usr/bin/kov leads to the program" \
    test "$(readlink -f "$root/usr/bin/kov")" = "$(readlink -f "$program/kov")"
desktop=$root/usr/share/applications/com.vantrel.KOV.desktop
check "desktop entry installed" cmp -s "$desktop" "$packaging/com.vantrel.KOV.desktop"
check "desktop entry starts the launcher" grep -qx 'Exec=kov' "$desktop"
check "metainfo installed" cmp -s "$root/usr/share/metainfo/com.vantrel.KOV.metainfo.xml" \
    "$metainfo"
icon_name=$(sed -n 's/^Icon=//p' "$desktop")
check "icon named after the application's ID, not $icon_name" test "$icon_name" = com.vantrel.KOV
for size in 16 32 48 64 128 256; do
    icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/$icon_name.png
    # A PNG's width and height are the big-endian words at bytes 16 and 20.
    read -r -a dims <<<"$(od -An -tu1 -j16 -N8 "$icon" 2>/dev/null || true)"
    if [ ${#dims[@]} -ne 8 ]; then
        fail "icon $icon missing"
        continue
    fi
    width=$(((dims[2] << 8) | dims[3]))
    height=$(((dims[6] << 8) | dims[7]))
    check "icon $size is ${width}x$height" test "$width" -eq "$size" -a "$height" -eq "$size"
done
if ! appstreamcli validate-tree --no-net "$root" >"$scratch/appstream.log" 2>&1; then
    cat "$scratch/appstream.log" >&2
    fail "appstreamcli validate-tree"
fi

# Played through the launcher from elsewhere: the writable program folder keeps the deck order.
home=$scratch/home
runtime=$scratch/runtime
mkdir -p "$home" "$runtime"
chmod 700 "$runtime"
cd "$scratch"
check "installed game deals into its own card.txt" run_until_dealt "$program/card.txt" \
    "$assets/card.txt" env -u XDG_DATA_HOME HOME="$home" XDG_RUNTIME_DIR="$runtime" \
    QT_QPA_PLATFORM=offscreen "$root/usr/bin/kov"

# Read-only for the player: the shipped file stays, the player's own copy is dealt.
cp "$assets/card.txt" "$program/card.txt"
chmod -R a-w "$program"
own=$home/.local/share/Vantrel/KOV/card.txt
player=()
if [ "$(id -u)" -eq 0 ]; then
    # root may write anywhere, so the player is an ordinary account.
    chmod 755 "$scratch"
    chown 65534:65534 "$home" "$runtime"
    player=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
check "read-only install deals into the player's own card.txt" run_until_dealt "$own" \
    "$assets/card.txt" "${player[@]}" env -u XDG_DATA_HOME HOME="$home" \
    XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=offscreen "$root/usr/bin/kov"
check "shipped card.txt left alone" cmp -s "$program/card.txt" "$assets/card.txt"

finish
