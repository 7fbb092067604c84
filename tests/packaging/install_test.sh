#!/usr/bin/env bash
# Installs KOV under a scratch prefix, checks the standard layout there and plays the installed
# copy: once from a data folder the player may write, once from a read-only one, where the deck
# order must go to the player's own folder.
# usage: install_test.sh <cmake> <build dir> <assets dir> <packaging dir> <metainfo> <bin dir>
#                        <data dir>   (the last two below the prefix, as the build installs them)
. "$(dirname "$0")/lib.sh"
cmake=$1 build=$2 assets=$3 packaging=$4 metainfo=$5 bindir=$6 datadir=$7

# A prefix of its own below a root, so that AppStream's tools can check the tree as a system.
root=$scratch/root
prefix=$root/usr
data=$prefix/$datadir
logged "$scratch/install.log" "$cmake" --install "$build" --prefix "$prefix"

# The data folder: the shipped card file and the 60 pictures, nothing else.
check "executable installed" test -f "$prefix/$bindir/kov" -a -x "$prefix/$bindir/kov"
check "card.txt is the shipped deck" cmp -s "$data/card.txt" "$assets/card.txt"
pictures=0
for picture in "$assets"/*.jpg; do
    name=$(basename "$picture")
    [ "$name" = cardback.jpg ] && continue
    pictures=$((pictures + 1))
    check "$name installed unchanged" cmp -s "$data/$name" "$picture"
done
check "60 card pictures in the assets" test "$pictures" -eq 60
entries=$(find "$data" -mindepth 1 | wc -l)
check "data folder holds 61 entries, not $entries" test "$entries" -eq 61
check "files readable by everyone" test -z "$(find "$root" ! -perm -a+r)"

# The desktop files, the manual page and the documents.
desktop=$prefix/share/applications/com.vantrel.KOV.desktop
check "desktop entry installed" cmp -s "$desktop" "$packaging/com.vantrel.KOV.desktop"
check "desktop entry starts the game by name" grep -qx 'Exec=kov' "$desktop"
check "metainfo installed" cmp -s "$prefix/share/metainfo/com.vantrel.KOV.metainfo.xml" \
    "$metainfo"
icon_name=$(sed -n 's/^Icon=//p' "$desktop")
check "icon named after the application's ID, not $icon_name" test "$icon_name" = com.vantrel.KOV
for size in 16 32 48 64 128 256; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$icon_name.png
    # A PNG's width and height are the big-endian words at bytes 16 and 20.
    dims=$(od -An -tu4 --endian=big -j16 -N8 "$icon" 2>/dev/null | xargs || true)
    check "icon $size is '$dims' (width height)" test "$dims" = "$size $size"
done
if ! appstreamcli validate-tree --no-net "$root" >"$scratch/appstream.log" 2>&1; then
    cat "$scratch/appstream.log" >&2
    fail "appstreamcli validate-tree"
fi
manual=$prefix/share/man/man6/kov.6.gz
check "the manual page names the installed data folder" \
    grep -qF "$data/card.txt" <(gzip -dc "$manual")
check "licence and changelog installed" test -f "$prefix/share/doc/kov/copyright" \
    -a -f "$prefix/share/doc/kov/changelog.gz"

# Played from elsewhere: a data folder the player may write keeps the deck order.
cd "$scratch"
check "installed game deals into its own card.txt" play "$data/card.txt" "$assets/card.txt" \
    "$prefix/$bindir/kov"

# Read-only for the player: the shipped file stays, the player's own copy is dealt.
cp "$assets/card.txt" "$data/card.txt"
chmod -R a-w "$data"
own=$home/.local/share/Vantrel/KOV/card.txt
as_player
check "read-only install deals into the player's own card.txt" play "$own" "$assets/card.txt" \
    "$prefix/$bindir/kov"
check "shipped card.txt left alone" cmp -s "$data/card.txt" "$assets/card.txt"

finish
