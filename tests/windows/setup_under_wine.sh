#!/usr/bin/env bash
# The setup program under Wine, each case in a Wine prefix of its own, made afresh.
#   AllUsers, CurrentUser: a silent install, the installed KOV played, a silent uninstall.
#   upgrade: nothing changes while the older KOV runs; then the deck order in its card.txt is
#            kept and no other file of the older build is left,
#     and the new build, signed with a throwaway certificate, verifies.
# usage: setup_under_wine.sh <case> <setup.exe> <program folder> <kov-setup.nsh> <Wine prefix>
#                            <next_card_file tool> <screenshot dir>
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source-path=SCRIPTDIR source=../e2e/lib.sh
. "$here/../e2e/lib.sh"
e2e_in_x_server 310 "$@"
case=$1 setup=$2 built=$3 facts=$4 prefix=$5 tool=$6 shots=$7
packaging=$here/../../packaging/windows
e2e_scratch
# No Linux menu entries for the Start-menu shortcuts.
export WINEPREFIX=$prefix WINEDEBUG=-all WINEQT_QPA_PLATFORM=windows
export WINEDLLOVERRIDES=winemenubuilder.exe=d
wine=/usr/lib/wine/wine64
# A failing case keeps its prefix to look at; the next run starts afresh anyway.
end_case() {
    "${wine%/*}/wineserver" -k 2>/dev/null
    [ "$failures" -ne 0 ] || rm -rf "$prefix" "$prefix.lock"
    e2e_cleanup
}
trap end_case EXIT
rm -rf "$prefix" "$prefix.lock"
bash "$here/wine_prefix.sh" "$prefix" || {
    fail "no Wine prefix"
    exit 1
}

user=$(id -un)
registry=HKCU
folder_win="C:\\users\\$user\\AppData\\Local\\Programs\\Vantrel\\KOV"
start_menu="$prefix/drive_c/users/$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
if [ "$case" = AllUsers ]; then
    registry=HKLM
    folder_win='C:\Program Files\Vantrel\KOV'
    start_menu="$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
fi
folder=$prefix/drive_c/${folder_win#C:\\}
folder=${folder//\\//}
version=$(sed -n 's/^!define KOV_VERSION_TEXT "\(.*\)"$/\1/p' "$facts")

key="$registry\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\KOV"
entry() {
    local text
    text=$("$wine" reg query "$key" 2>/dev/null) && tr -d '\r' <<<"$text"
}
value() { sed -n "s/^    $1    REG_[A-Z_]*    //p" <<<"$entry_text"; }

# check_installed <program folder>: its files and the uninstaller are installed, and the
# shortcut and the entry lead to them.
check_installed() {
    diff -r -x Uninstall.exe "$1" "$folder" >&2 || fail "the installed folder differs from $1"
    [ -f "$folder/Uninstall.exe" ] || fail "no Uninstall.exe"
    local texts field name size kb
    texts=$({ strings "$start_menu/KOV.lnk" && strings -el "$start_menu/KOV.lnk"; } 2>/dev/null)
    grep -qxF "$folder_win\\KOV.exe" <<<"$texts" || fail "no Start-menu shortcut KOV to KOV.exe"
    entry_text=$(entry)
    for field in DisplayName=KOV Publisher=Vantrel "DisplayVersion=$version" \
        "DisplayIcon=$folder_win\\KOV.exe,0" "InstallLocation=$folder_win" \
        "UninstallString=\"$folder_win\\Uninstall.exe\"" \
        "QuietUninstallString=\"$folder_win\\Uninstall.exe\" /S" NoModify=0x1 NoRepair=0x1; do
        name=${field%%=*}
        [ "$(value "$name")" = "${field#*=}" ] || fail "entry $name: '$(value "$name")'"
    done
    size=$(($(value EstimatedSize))) kb=$(du -sk --apparent-size "$folder" | cut -f1)
    [ $(((size - kb) * 20 / kb)) -eq 0 ] || fail "EstimatedSize $size KB for a folder of $kb KB"
}

case $case in
AllUsers | CurrentUser)
    current_case="install for $case"
    "$wine" "$setup" /S "/$case" || fail "the silent install ended with status $?"
    check_installed "$built"

    current_case="play"
    bash "$here/play_under_wine.sh" "$folder" "$prefix" "$tool" "$shots/$case" || fail "no game"

    current_case="uninstall"
    deck=$prefix/drive_c/users/$user/AppData/Roaming/Vantrel/KOV/card.txt
    mkdir -p "${deck%/*}"
    cp "$built/card.txt" "$deck"
    [ "$case" = AllUsers ] || echo "the player's own" >"$folder/notes.txt"
    uninstall=$(value QuietUninstallString)
    uninstall=${uninstall#\"}
    "$wine" "${uninstall%%\"*}" /S || fail "the silent uninstall ended with status $?"
    # The uninstaller works on from a copy of itself; this waits for every program to end.
    "${wine%/*}/wineserver" -w
    [ -z "$(entry)" ] || fail "the entry is still there"
    [ ! -e "$start_menu/KOV.lnk" ] || fail "the shortcut is still there"
    cmp -s "$deck" "$built/card.txt" || fail "the deck in %APPDATA% is gone"
    if [ "$case" = AllUsers ]; then
        left=$(find "${folder%/*}" 2>/dev/null)
    else
        left=$(find "$folder" -mindepth 1 ! -name notes.txt 2>&1)
    fi
    [ -z "$left" ] || fail "left behind: $left"
    ;;
upgrade)
    current_case="build"
    cp -r "$built" "$scratch/old"
    mkdir "$scratch/old/retired"
    echo retired | tee "$scratch/old/retired.dll" >"$scratch/old/retired/plugin.dll"
    export KOV_SETUP_COMPRESSOR=none
    cd "$scratch" || exit 1
    bash "$packaging/make-setup.sh" old "$facts" old-work old.exe || fail "no older setup"
    cp -r "$built" new
    openssl req -x509 -newkey rsa:2048 -nodes -subj "/CN=KOV throwaway signer" -days 2 \
        -addext extendedKeyUsage=codeSigning -keyout key.pem -out cert.pem 2>/dev/null
    openssl pkcs12 -export -inkey key.pem -in cert.pem -passout pass:throwaway -out signer.p12
    KOV_SIGN_PKCS12=signer.p12 KOV_SIGN_PASSWORD=throwaway KOV_SIGN_TIMESTAMP='' \
        bash -c "bash '$packaging/sign.sh' new/KOV.exe &&
            bash '$packaging/make-setup.sh' new '$facts' new-work new.exe" || fail "no signed setup"

    current_case="upgrade while KOV runs"
    "$wine" old.exe /S /CurrentUser || fail "the older setup ended with status $?"
    "$wine" "$folder_win\\KOV.exe" >/dev/null 2>&1 &
    kov_pid=$!
    find_window "$window_caption" 60 >/dev/null || fail "the older KOV did not start"
    cp -r "$folder" running
    "$wine" new.exe /S /CurrentUser
    status=$?
    [ "$status" -eq 2 ] || fail "status $status, not 2"
    diff -r running "$folder" >&2 || fail "the folder changed under the running KOV"
    kill "$kov_pid"
    wait "$kov_pid" 2>/dev/null
    kov_pid=

    current_case="upgrade"
    # The order the older KOV dealt into its own card.txt carries over.
    { tail -c +3 "$built/card.txt" && head -c 2 "$built/card.txt"; } >dealt
    cp dealt "$folder/card.txt"
    "$wine" new.exe /S /CurrentUser || fail "the setup ended with status $?"
    cmp -s dealt "$folder/card.txt" || fail "the deck order in the program folder was not kept"
    cp dealt new/card.txt
    check_installed new
    for program in new.exe "$folder/KOV.exe" "$folder/Uninstall.exe"; do
        osslsigncode verify -CAfile cert.pem -in "$program" >verify.log 2>&1 ||
            fail "$(cat verify.log)"
    done
    ;;
*) fail "no case $case" ;;
esac

e2e_finish
