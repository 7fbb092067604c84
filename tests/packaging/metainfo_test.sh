#!/usr/bin/env bash
# Validates the AppStream metainfo with the tools of two families of software centres: the build's
# own, and the same written without and with web addresses.
# usage: metainfo_test.sh <appstreamcli> <appstream-util> <cmake> <Metainfo.cmake> <metainfo>
#                         <version> <release date>
. "$(dirname "$0")/lib.sh"
appstreamcli=$1 appstream_util=$2 cmake=$3 script=$4 built=$5 version=$6 date=$7

# write <folder> [-DKOV_..._URL=<address>...]: under the name the validators expect.
write() {
    local folder=$scratch/$1
    shift
    mkdir "$folder"
    "$cmake" -DKOV_METAINFO="$folder/com.vantrel.KOV.metainfo.xml" -DPROJECT_VERSION="$version" \
        -DKOV_RELEASE_DATE="$date" "$@" -P "$script"
}
write bare
write addressed -DKOV_HOMEPAGE_URL='https://example.org/kov?a=1&b=2' \
    -DKOV_BUGTRACKER_URL=https://example.org/kov/faults
bare=$scratch/bare/com.vantrel.KOV.metainfo.xml
addressed=$scratch/addressed/com.vantrel.KOV.metainfo.xml

for metainfo in "$built" "$bare" "$addressed"; do
    check "appstreamcli accepts $metainfo" "$appstreamcli" validate --pedantic --no-net "$metainfo"
    check "appstream-util accepts $metainfo" "$appstream_util" validate-relax --nonet "$metainfo"
done
check "release $version of $date" grep -qF "<release version=\"$version\" date=\"$date\">" "$built"
check "no web address when none is set" test "$(grep -c '<url' "$bare")" -eq 0
check "homepage" grep -qxF '  <url type="homepage">https://example.org/kov?a=1&amp;b=2</url>' \
    "$addressed"
check "bug tracker" grep -qxF '  <url type="bugtracker">https://example.org/kov/faults</url>' \
    "$addressed"

finish
