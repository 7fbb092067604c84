#!/usr/bin/env bash
# Builds KOV a second time, from a copy of the same sources in other folders and at a later
# time, and checks that both builds give the same .deb, byte for byte. Both packages take the
# same time stamp: the builder's SOURCE_DATE_EPOCH, else the last commit's.
# usage: reproducible_test.sh <cmake> <cpack> <source dir> <build dir> <build type> <version>
. "$(dirname "$0")/lib.sh"
cmake=$1 cpack=$2 source=$3 build=$4 type=$5 version=$6

: "${SOURCE_DATE_EPOCH:=$(git -C "$source" log -1 --format=%ct 2>/dev/null || echo 1)}"
export SOURCE_DATE_EPOCH

# The sources as they stand, the files git would keep, copied afresh (new times on every file).
copy=$scratch/elsewhere/source
mkdir -p "$copy"
if git -C "$source" rev-parse --git-dir >/dev/null 2>&1; then
    git -C "$source" ls-files -z --cached --others --exclude-standard |
        tar -C "$source" --null --ignore-failed-read -T - -cf - 2>/dev/null | tar -C "$copy" -xf -
else
    tar -C "$source" --exclude='./build*' --exclude=./.cache -cf - . | tar -C "$copy" -xf -
fi
again=$scratch/elsewhere/build-again
logged "$scratch/configure.log" "$cmake" -S "$copy" -B "$again" -G Ninja \
    -DCMAKE_BUILD_TYPE="$type" -DBUILD_TESTING=OFF -DKOV_TOOLS=OFF -DKOV_BENCHMARKS=OFF
logged "$scratch/build.log" "$cmake" --build "$again" --target kov --parallel 2

deb=kov_${version}_$(dpkg --print-architecture).deb
packages "$cpack" "$build" DEB "$scratch/first"
packages "$cpack" "$again" DEB "$scratch/second"
first=$scratch/first/$deb second=$scratch/second/$deb
if ! cmp -s "$first" "$second"; then
    fail "the two builds' packages differ"
    for package in "$first" "$second"; do
        dpkg-deb -R "$package" "$package.d"
    done
    diff -rq "$first.d" "$second.d" >&2 || true
fi
finish
