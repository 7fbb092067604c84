#!/usr/bin/env bash
# Compiles the Windows resources of KOV.exe with GNU windres and with llvm-rc (which behaves like
# the Windows SDK's rc), reads each result back as text and checks the version information and
# that the program icon is the one in assets/kov.ico.
# usage: windows_resource_test.sh <windres> <cpp> <llvm-rc> <kov.rc> <assets dir>
. "$(dirname "$0")/lib.sh"
windres=$1 cpp=$2 llvm_rc=$3 rc=$4 assets=$5

# No MinGW compiler is needed: windres is given the plain C preprocessor.
gnu() { # gnu <in.rc> <out.res>
    "$windres" --preprocessor="$cpp" --preprocessor-arg=-DRC_INVOKED -I "$assets" \
        -i "$1" -O res -o "$2"
}
# "--" ends the options: llvm-rc reads a path such as /data/kov.rc as its /D option otherwise.
llvm() { "$llvm_rc" /I "$assets" /FO "$2" -- "$1"; }
# The icon resources of a dump, which come before the version information.
icons() { awk '/^\/\* Type: version/ { exit } NF { print }' "$1"; }

printf '1 ICON "%s"\n' "$assets/kov.ico" >"$scratch/reference.rc"
for compiler in gnu llvm; do
    if ! $compiler "$rc" "$scratch/$compiler.res" || ! $compiler "$scratch/reference.rc" \
        "$scratch/$compiler-reference.res"; then
        fail "$compiler could not compile the resources"
        continue
    fi
    "$windres" -i "$scratch/$compiler.res" -O rc -o "$scratch/$compiler.txt"
    "$windres" -i "$scratch/$compiler-reference.res" -O rc -o "$scratch/$compiler-reference.txt"
    text=$scratch/$compiler.txt

    line() { grep -qxF -- "$1" "$text" || fail "$compiler: no line '$1'"; }
    line 'LANGUAGE 9, 1'
    line ' FILEVERSION 1, 0, 0, 0'
    line ' PRODUCTVERSION 1, 0, 0, 0'
    line ' FILEOS 0x40004'
    line ' FILETYPE 0x1'
    line '    BLOCK "040904B0"'
    line '      VALUE "CompanyName", "Vantrel"'
    line '      VALUE "ProductName", "KOV"'
    line '      VALUE "InternalName", "KOV"'
    line '      VALUE "OriginalFilename", "KOV.exe"'
    line '      VALUE "FileVersion", "1.00"'
    line '      VALUE "ProductVersion", "1.00"'
    line '    VALUE "Translation", 0x409, 1200'
    check "$compiler: one string table" test "$(grep -c 'BLOCK "0' "$text")" -eq 1

    # Explorer shows the first icon group; there is one, number 1, holding kov.ico's images.
    groups=$(grep 'RT_GROUP_ICON' "$text" || true)
    check "$compiler: one icon, number 1: $groups" grep -qx '1 14 /\* RT_GROUP_ICON \*/.*' \
        <<<"$groups"
    check "$compiler: icon is assets/kov.ico" \
        cmp -s <(icons "$text") <(icons "$scratch/$compiler-reference.txt")
done

finish
