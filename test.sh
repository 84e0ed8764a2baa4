#!/usr/bin/env bash
# Installs what is missing, builds Tesorin and runs every test.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
cd "$TESORIN_BUILD"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)"
