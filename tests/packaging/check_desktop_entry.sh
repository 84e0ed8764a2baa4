#!/usr/bin/env bash
# The desktop entry passes desktop-file-validate without a word: no error,
# no warning, no hint.
#   check_desktop_entry.sh ENTRY
set -euo pipefail
command -v desktop-file-validate > /dev/null || { echo "desktop-file-validate is not installed"; exit 77; }
report="$(desktop-file-validate "$1" 2>&1)" || { echo "$report"; exit 1; }
if [ -n "$report" ]; then
    echo "$report"
    exit 1
fi
echo "desktop-file-validate: $1 is valid"
