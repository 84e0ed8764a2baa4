#!/usr/bin/env bash
# The AppStream metadata validates offline with no issue above the pedantic
# level, and its release is the project's version.
#   check_metainfo.sh METAINFO VERSION
set -euo pipefail
command -v appstreamcli > /dev/null || { echo "appstreamcli is not installed"; exit 77; }
appstreamcli validate --no-net --strict --pedantic "$1"
grep -q "<release version=\"$2\"" "$1" || { echo "no release $2 in $1"; exit 1; }
