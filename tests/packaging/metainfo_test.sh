#!/usr/bin/env bash
# Validates the AppStream metainfo with the tools of both families of software centres: the
# build's own, and the same written with web addresses.
# usage: metainfo_test.sh <appstreamcli> <appstream-util> <cmake> <Metainfo.cmake> <metainfo>
#                         <version> <release date>
. "$(dirname "$0")/lib.sh"
appstreamcli=$1 appstream_util=$2 cmake=$3 script=$4 built=$5 version=$6 date=$7

# Under the name the validators expect.
addressed=$scratch/com.vantrel.KOV.metainfo.xml
"$cmake" -DKOV_METAINFO="$addressed" -DPROJECT_VERSION="$version" -DKOV_RELEASE_DATE="$date" \
    -DKOV_HOMEPAGE_URL='https://example.org/kov?a=1&b=2' \
    -DKOV_BUGTRACKER_URL=https://example.org/kov/faults -P "$script"

for metainfo in "$built" "$addressed"; do
    check "appstreamcli accepts $metainfo" "$appstreamcli" validate --pedantic --no-net "$metainfo"
    check "appstream-util accepts $metainfo" "$appstream_util" validate-relax --nonet "$metainfo"
done
check "release $version of $date" grep -qF "<release version=\"$version\" date=\"$date\">" "$built"
check "homepage" grep -qxF '  <url type="homepage">https://example.org/kov?a=1&amp;b=2</url>' \
    "$addressed"
check "bug tracker" grep -qxF '  <url type="bugtracker">https://example.org/kov/faults</url>' \
    "$addressed"

finish
