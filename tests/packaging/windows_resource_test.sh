#!/usr/bin/env bash
# Compiles the Windows resources of KOV.exe with GNU windres and with llvm-rc (which behaves like
# the Windows SDK's rc), reads each result back as text and checks the version information and
# that the program icon is the one in assets/kov.ico. Given a built KOV.exe instead, reads its
# resources back and checks the same. Given the setup program and its uninstaller, checks that
# they state KOV.exe's company, product and version.
# usage: windows_resource_test.sh <windres> <assets dir> <project version> rc <cpp> <llvm-rc> <kov.rc>
#        windows_resource_test.sh <windres> <assets dir> <project version> exe <KOV.exe>
#        windows_resource_test.sh <windres> <assets dir> <project version> setup <program.exe>...
. "$(dirname "$0")/lib.sh"
windres=$1 assets=$2 version=$3 mode=$4
if [ "$mode" = rc ]; then
    cpp=$5 llvm_rc=$6 rc=$7 compilers=(gnu llvm)
else
    rc=$5 cpp=cpp compilers=(exe)
fi
# Version 1.0.0 reads "1.00" and 1, 0, 0, 0.
IFS=. read -r major minor patch <<<"$version"
version_text=$(printf '%d.%02d' "$major" "$minor")
version_numbers="$major, $minor, ${patch:-0}, 0"
# lines <text> <line...>: the resource text holds each line.
lines() {
    local line
    for line in "${@:2}"; do
        grep -qxF -- "$line" "$1" || fail "$(basename "$1" .txt): no line '$line'"
    done
}
product_lines() {
    lines "$1" " FILEVERSION $version_numbers" " PRODUCTVERSION $version_numbers" \
        '      VALUE "CompanyName", "Vantrel"' '      VALUE "ProductName", "KOV"' \
        "      VALUE \"FileVersion\", \"$version_text\"" \
        "      VALUE \"ProductVersion\", \"$version_text\""
}
if [ "$mode" = setup ]; then
    for program in "${@:5}"; do
        text=$scratch/$(basename "$program").txt
        "$windres" -J coff -i "$program" -O rc -o "$text"
        product_lines "$text"
    done
    finish
    exit
fi

# No MinGW compiler is needed: windres is given the plain C preprocessor.
gnu() { # gnu <in.rc> <out.res>
    "$windres" --preprocessor="$cpp" --preprocessor-arg=-DRC_INVOKED -I "$assets" \
        -i "$1" -O res -o "$2"
}
# "--" ends the options: llvm-rc reads a path such as /data/kov.rc as its /D option otherwise.
llvm() { "$llvm_rc" /I "$assets" /FO "$2" -- "$1"; }
# The executable's resources as they are; its reference icon is compiled as GNU windres would.
exe() {
    if [ "$1" = "$rc" ]; then cp "$1" "$2"; else gnu "$1" "$2"; fi
}
# The icon resources of a dump, which come before the version information; an executable keeps
# no memory flags.
icons() { awk '/^\/\* Type: version/ { exit } NF { sub(/ MOVEABLE DISCARDABLE$/, ""); print }' "$1"; }

printf '1 ICON "%s"\n' "$assets/kov.ico" >"$scratch/reference.rc"
for compiler in "${compilers[@]}"; do
    if ! $compiler "$rc" "$scratch/$compiler.res" || ! $compiler "$scratch/reference.rc" \
        "$scratch/$compiler-reference.res"; then
        fail "$compiler could not compile the resources"
        continue
    fi
    input_format=res
    [ "$compiler" != exe ] || input_format=coff
    "$windres" -J "$input_format" -i "$scratch/$compiler.res" -O rc -o "$scratch/$compiler.txt"
    "$windres" -i "$scratch/$compiler-reference.res" -O rc -o "$scratch/$compiler-reference.txt"
    text=$scratch/$compiler.txt

    product_lines "$text"
    lines "$text" 'LANGUAGE 9, 1' ' FILEOS 0x40004' ' FILETYPE 0x1' '    BLOCK "040904B0"' \
        '      VALUE "InternalName", "KOV"' '      VALUE "OriginalFilename", "KOV.exe"' \
        '    VALUE "Translation", 0x409, 1200'
    check "$compiler: one string table" test "$(grep -c 'BLOCK "0' "$text")" -eq 1

    # Explorer shows the first icon group; there is one, number 1, holding kov.ico's images.
    groups=$(grep 'RT_GROUP_ICON' "$text" || true)
    check "$compiler: one icon, number 1: $groups" grep -qx '1 14 /\* RT_GROUP_ICON \*/.*' \
        <<<"$groups"
    check "$compiler: icon is assets/kov.ico" \
        cmp -s <(icons "$text") <(icons "$scratch/$compiler-reference.txt")
done

finish
