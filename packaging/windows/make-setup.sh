#!/usr/bin/env bash
# Builds KOV's setup program from a program folder laid out as the .zip holds it: lists the
# folder's files for kov.nsi, runs makensis and, when a certificate is given, signs the
# uninstaller and the setup program (sign.sh). The work folder keeps the list and a copy of the
# uninstaller as the setup program carries it.
# usage: make-setup.sh <program folder> <kov-setup.nsh> <work folder> <setup.exe>
# KOV_SETUP_COMPRESSOR: lzma (the default: the smallest setup), zlib, or none (quick, for tests).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$(realpath "$1")
facts=$(realpath "$2")
mkdir -p "$3"
work=$(realpath "$3")
setup=$(realpath -m "$4")

mapfile -d '' files < <(cd "$program" && find . -type f -printf '%P\0' | sort -z)
mapfile -d '' folders < <(cd "$program" && find . -mindepth 1 -type d -printf '%P\0' | sort -rz)
for name in "${files[@]}"; do
    case $name in *'"'* | *'$'* | *\\*)
        echo "make-setup.sh: cannot name $name in the setup script" >&2
        exit 1
        ;;
    esac
done
windows() { printf '%s' "${1//\//\\}"; }
{
    echo '!macro KovInstallFiles'
    into=none
    for name in "${files[@]}"; do
        folder=$(dirname "$name")
        if [ "$folder" != "$into" ]; then
            into=$folder
            [ "$folder" = . ] && folder= || folder=\\$(windows "$folder")
            echo "    SetOutPath \"\$INSTDIR$folder\""
        fi
        echo "    File \"$program/$name\""
    done
    echo '!macroend'
    echo '!macro KovRemoveFiles'
    for name in "${files[@]}"; do
        echo "    Delete \"\$INSTDIR\\$(windows "$name")\""
    done
    for folder in "${folders[@]}"; do
        echo "    RMDir \"\$INSTDIR\\$(windows "$folder")\""
    done
    echo '!macroend'
} >"$work/files.nsh"

# makensis signs the uninstaller from the script's own folder.
if [ -n "${KOV_SIGN_PKCS12:-}" ]; then
    KOV_SIGN_PKCS12=$(realpath "$KOV_SIGN_PKCS12")
fi
uninstaller=$work/Uninstall.exe
rm -f "$uninstaller"
makensis -V2 -INPUTCHARSET UTF8 \
    -DKOV_SETUP_NSH="$facts" -DKOV_FILES_NSH="$work/files.nsh" -DKOV_OUTFILE="$setup" \
    -DKOV_COMPRESSOR="${KOV_SETUP_COMPRESSOR:-lzma}" \
    -DKOV_FINISH_UNINSTALLER="bash '$here/sign.sh' '%1' Uninstall.exe && cp '%1' '$uninstaller'" \
    "$here/kov.nsi"
bash "$here/sign.sh" "$setup"
