#!/usr/bin/env bash
# The installed AppStream data under the prefix $1 is valid and launches the installed entry.
set -euo pipefail
prefix=$1
metainfo=$prefix/share/metainfo/pl.tolvex.Tolvex.metainfo.xml
appstreamcli validate --no-net "$metainfo"

entry=$(sed -n 's|.*<launchable type="desktop-id">\(.*\)</launchable>.*|\1|p' "$metainfo")
[ -f "$prefix/share/applications/$entry" ] || { echo "launchable $entry is not installed"; exit 1; }
