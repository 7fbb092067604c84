#!/usr/bin/env bash
# Builds the .tar.gz and the .deb with cpack and checks what each would put on a machine.
# usage: cpack_test.sh <cpack> <build dir> <assets dir> <version>
. "$(dirname "$0")/lib.sh"
cpack=$1 build=$2 assets=$3 version=$4

if ! "$cpack" --config "$build/CPackConfig.cmake" -G "TGZ;DEB" -B "$scratch" \
    >"$scratch/cpack.log" 2>&1; then
    cat "$scratch/cpack.log" >&2
    exit 1
fi
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
mkdir "$scratch/home"
mkdir -m 700 "$scratch/runtime"
check "game from the .tar.gz deals" run_until_dealt "$unpacked/card.txt" "$assets/card.txt" \
    env -u XDG_DATA_HOME HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/runtime" \
    QT_QPA_PLATFORM=offscreen "$unpacked/kov"

# The .deb: the program folder under /opt/kov, the desktop files under /usr.
dpkg-deb -c "$deb" >"$scratch/deb.raw"
awk '{ print $6 ($7 == "->" ? " -> " $8 : "") }' "$scratch/deb.raw" | sed 's|^\./|/|' \
    >"$scratch/deb.list"
has() { grep -qx -- "$1" "$scratch/deb.list"; }
check ".deb holds /opt/kov/kov" has /opt/kov/kov
check ".deb holds /opt/kov/card.txt" has /opt/kov/card.txt
check ".deb holds 60 pictures in /opt/kov" \
    test "$(grep -c '^/opt/kov/[0-9A-Z][A-Z]\.jpg$' "$scratch/deb.list")" -eq 60
check ".deb launcher /usr/bin/kov" has "/usr/bin/kov -> ../../opt/kov/kov"
check ".deb desktop entry" has /usr/share/applications/com.vantrel.KOV.desktop
check ".deb metainfo" has /usr/share/metainfo/com.vantrel.KOV.metainfo.xml
for size in 16 32 48 64 128 256; do
    check ".deb icon $size" has "/usr/share/icons/hicolor/${size}x${size}/apps/com.vantrel.KOV.png"
done
outside=$(grep -v -e '^/opt/' -e '^/usr/bin/' -e '^/usr/share/applications/' \
    -e '^/usr/share/metainfo/' -e '^/usr/share/icons/hicolor/' -e '^/$' -e '^/usr/$' \
    -e '^/usr/share/$' -e '^/usr/share/icons/$' "$scratch/deb.list" || true)
check ".deb installs nowhere else: $outside" test -z "$outside"
# Unpacked as dpkg would: the shipped deck is root's, read-only for players.
check ".deb files belong to root" test -z "$(awk '$2 != "root/root"' "$scratch/deb.raw")"
check ".deb card.txt not writable by players" \
    grep -q '^-rw-r--r-- .* \./opt/kov/card.txt$' "$scratch/deb.raw"

field() { dpkg-deb -f "$deb" "$1"; }
check ".deb named kov" test "$(field Package)" = kov
check ".deb version $version" test "$(field Version)" = "$version"
check ".deb in the games section" test "$(field Section)" = games
depends=$(field Depends)
sed 's/ *([^)]*)//g; s/, */\n/g' <<<"$depends" >"$scratch/depends"
for package in libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins libc6 libstdc++6; do
    check ".deb depends on $package ($depends)" grep -qxF "$package" "$scratch/depends"
done
check ".deb recommends qt6-wayland and Qt's translations" \
    test "$(field Recommends)" = "qt6-wayland, qt6-translations-l10n"

finish
