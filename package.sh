#!/usr/bin/env bash
# Installs what is missing, builds Tesorin and makes its Debian package from
# that build, in the build folder.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
cd "$TESORIN_BUILD"
rm -f tesorin_*.deb
cpack -G DEB
echo "Paquete: $(ls "$TESORIN_BUILD"/tesorin_*.deb)"
