#!/usr/bin/env bash
# Builds the .tar.gz and the .deb with cpack and checks what each would put on a machine: the
# .deb as Debian's lintian judges it, and installed, played, upgraded over the older /opt
# package and removed by dpkg, in a root of its own.
# usage: cpack_test.sh <cpack> <build dir> <assets dir> <version> <lintian>
. "$(dirname "$0")/lib.sh"
cpack=$1 build=$2 assets=$3 version=$4 lintian=$5

packages "$cpack" "$build" "TGZ;DEB" "$scratch"
tgz=$scratch/kov-$version-Linux.tar.gz
deb=$scratch/kov_${version}_$(dpkg --print-architecture).deb
check "$(basename "$tgz") made" test -f "$tgz"
check "$(basename "$deb") made" test -f "$deb"

# The .tar.gz: one folder, the program folder and nothing else.
top=kov-$version-Linux
tar -xzf "$tgz" -C "$scratch"
tar -tzf "$tgz" | grep -v "^$top/" >"$scratch/outside" || true
check "everything in the .tar.gz under $top/" test ! -s "$scratch/outside"
unpacked=$scratch/$top
check "executable in the .tar.gz" test -f "$unpacked/kov" -a -x "$unpacked/kov"
check "card.txt in the .tar.gz is the shipped deck" cmp -s "$unpacked/card.txt" "$assets/card.txt"
check "60 pictures in the .tar.gz" test "$(find "$unpacked" -name '*.jpg' | wc -l)" -eq 60
check "nothing else in the .tar.gz" test "$(find "$unpacked" -mindepth 1 | wc -l)" -eq 62
check "game from the .tar.gz deals" play "$unpacked/card.txt" "$assets/card.txt" "$unpacked/kov"

# The .deb: the standard layout under /usr, with Debian's places for games.
dpkg-deb -c "$deb" >"$scratch/deb.raw"
awk '{ print $6 ($7 == "->" ? " -> " $8 : "") }' "$scratch/deb.raw" | sed 's|^\./|/|' \
    >"$scratch/deb.list"
has() { grep -qx -- "$1" "$scratch/deb.list"; }
data=/usr/share/games/kov
for path in /usr/games/kov $data/card.txt /usr/share/applications/com.vantrel.KOV.desktop \
    /usr/share/metainfo/com.vantrel.KOV.metainfo.xml /usr/share/man/man6/kov.6.gz \
    /usr/share/doc/kov/{copyright,changelog.gz} \
    /usr/share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/com.vantrel.KOV.png; do
    check ".deb holds $path" has "$path"
done
check ".deb holds 60 pictures in $data" \
    test "$(grep -c "^$data/[0-9A-Z][A-Z]\.jpg$" "$scratch/deb.list")" -eq 60
# Only the folders above these may be shared with other packages.
outside=$(grep -vE '^/($|usr/($|games/|share/($|(games|icons|man|doc)/$|games/kov/|applications/|'\
'metainfo/|icons/hicolor/|man/man6/|doc/kov/)))' "$scratch/deb.list" || true)
check ".deb installs nowhere else: $outside" test -z "$outside"
check ".deb files belong to root" test -z "$(awk '$2 != "root/root"' "$scratch/deb.raw")"
check ".deb card.txt not writable by players" \
    grep -q "^-rw-r--r-- .* \.$data/card.txt$" "$scratch/deb.raw"

for field in Package=kov "Version=$version" Section=games \
    "Recommends=qt6-wayland, qt6-translations-l10n"; do
    check ".deb field $field" test "$(dpkg-deb -f "$deb" "${field%%=*}")" = "${field#*=}"
done
depends=$(dpkg-deb -f "$deb" Depends)
sed 's/ *([^)]*)//g; s/, */\n/g' <<<"$depends" >"$scratch/depends"
for package in libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins libc6 libstdc++6; do
    check ".deb depends on $package ($depends)" grep -qxF "$package" "$scratch/depends"
done

# Debian's own judge: no error and no warning. The informational tags it still gives are shown.
if ! "$lintian" --fail-on error,warning --display-info "$deb" >"$scratch/lintian.log" 2>&1; then
    fail "lintian finds errors or warnings"
fi
sed 's/^/    lintian: /' "$scratch/lintian.log"

# Installed by dpkg into a root of its own, over the older package that put the game in /opt.
# Its player's deck order, in their own folder, is what the new package must go on from.
# dpkg's database there knows nothing of the Qt libraries, so their dependencies are waived; and
# every file is unpacked, even where this machine's dpkg leaves out manual pages.
root=$scratch/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status"
in_root() {
    dpkg --root="$root" --force-depends --force-not-root --log=/dev/null --path-include='*' "$@" \
        >>"$scratch/dpkg.log" 2>&1 || {
        sed 's/^/    dpkg: /' "$scratch/dpkg.log" >&2
        return 1
    }
}
old=$scratch/old
mkdir -p "$old/DEBIAN" "$old/opt/kov" "$old/usr/bin"
cp "$assets/card.txt" "$old/opt/kov/"
ln -s ../../opt/kov/kov "$old/usr/bin/kov"
printf '%s\n' "Package: kov" "Version: 0.9" "Architecture: $(dpkg --print-architecture)" \
    "Maintainer: Vantrel <kov@vantrel.com>" "Description: the older package" >"$old/DEBIAN/control"
dpkg-deb --root-owner-group -b "$old" "$scratch/old.deb" >/dev/null
check "older /opt package installs" in_root -i "$scratch/old.deb"
own=$home/.local/share/Vantrel/KOV/card.txt
mkdir -p "$(dirname "$own")"
# The shipped cards, last first.
head -c 216 "$assets/card.txt" | fold -w 2 | tac | tr -d '\n' >"$own"
cp "$own" "$scratch/own-before"
check "dpkg installs the .deb over it" in_root -i "$deb"
check "the upgrade leaves nothing in /opt" test ! -e "$root/opt/kov"
kov=$root/usr/games/kov
as_player
check "the installed game goes on from the player's deck order" \
    play "$own" "$scratch/own-before" "$kov"
MANPATH=$root/usr/share/man man -w 6 kov >"$scratch/man.path" 2>&1
check "man 6 kov finds the manual page" \
    test "$(cat "$scratch/man.path")" = "$root/usr/share/man/man6/kov.6.gz"
cp "$own" "$scratch/own-played"
check "dpkg removes the package" in_root --purge kov
check "removal leaves nothing of the game" test ! -e "$kov" -a ! -e "$root$data"
check "removal leaves the player's deck order" cmp -s "$own" "$scratch/own-played"

finish
