#!/usr/bin/env bash
# Installs what is missing, builds Tesorin and starts it.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No hay pantalla disponible (DISPLAY vacío): pruebe con  xvfb-run ./run.sh" >&2
    exit 1
fi
exec "$TESORIN_BUILD/tesorin" "$@"
