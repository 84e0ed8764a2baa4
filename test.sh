#!/usr/bin/env bash
# Installs what is missing, builds Tesorin and runs every test.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
cd "$TESORIN_BUILD"
# The users' locale: decimal comma, dates day first.
export LC_ALL="${TESORIN_TEST_LOCALE:-es_AR.UTF-8}"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)"
