#!/usr/bin/env bash
# The manual page formats with no warning from man and groff.
#   check_manual.sh PAGE VERSION
set -euo pipefail
command -v man > /dev/null || { echo "man is not installed"; exit 77; }
warnings="$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
    man --warnings -E UTF-8 -l -Tutf8 -Z "$1" 2>&1 > /dev/null)"
if [ -n "$warnings" ]; then
    echo "$warnings"
    exit 1
fi
page="$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$1")"
grep -q "Tesorin $2" <<< "$page" || { echo "the page does not name version $2"; exit 1; }
echo "man --warnings: $1 formats without warnings"
