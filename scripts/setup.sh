#!/usr/bin/env bash
# Installs the Debian packages Tesorin needs (only the missing ones) and builds
# it with CMake + Ninja in Release. Sourced by run.sh, test.sh and bench.sh;
# with TESORIN_CONFIGURE_ONLY=1 it stops once the build is configured (CI's
# cheap checks come before the build).
set -euo pipefail

TESORIN_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
TESORIN_BUILD="${TESORIN_BUILD:-$TESORIN_ROOT/build}"
# Clones in other folders share what ccache (when present) already compiled.
export CCACHE_BASEDIR="$TESORIN_ROOT"

tesorin_packages=(
    g++ cmake ninja-build pkg-config ccache clang-format clang libclang-rt-14-dev git
    qt6-base-dev qt6-translations-l10n libsqlite3-dev sqlite3 libssl-dev
    libgl-dev
    xvfb xauth poppler-utils fonts-dejavu-core
    qt6-svg-dev desktop-file-utils appstream man-db groff-base dpkg-dev file lintian
    libofx-dev libxlsxwriter-dev unzip python3-openpyxl
    mdbtools-dev mdbtools
    locales
)

tesorin_install_packages() {
    local missing=()
    local pkg
    for pkg in "${tesorin_packages[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$pkg")
        fi
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Instalando paquetes: ${missing[*]}"
        local sudo=""
        [ "$(id -u)" -ne 0 ] && sudo="sudo"
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
    fi
}

# The tests run in the locales of the program's users (decimal comma) and in
# two others; a locale that is not generated would silently fall back to C.
tesorin_locales=(es_AR.UTF-8 es_ES.UTF-8 de_DE.UTF-8)

tesorin_generate_locales() {
    local missing=()
    local name
    for name in "${tesorin_locales[@]}"; do
        locale -a 2>/dev/null | grep -qix "${name/UTF-8/utf8}" || missing+=("$name")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        local sudo=""
        [ "$(id -u)" -ne 0 ] && sudo="sudo"
        for name in "${missing[@]}"; do
            $sudo sed -i "s/^# *\(${name} UTF-8\)/\1/" /etc/locale.gen
            grep -qx "${name} UTF-8" /etc/locale.gen || echo "${name} UTF-8" | $sudo tee -a /etc/locale.gen >/dev/null
        done
        $sudo locale-gen >/dev/null
    fi
}

tesorin_configure() {
    if [ ! -f "$TESORIN_BUILD/build.ninja" ]; then
        # TESORIN_CMAKE_ARGS gives another kind of build (the CI's sanitizer
        # and fuzzing builds).
        # shellcheck disable=SC2086
        cmake -S "$TESORIN_ROOT" -B "$TESORIN_BUILD" -G Ninja ${TESORIN_CMAKE_ARGS:--DCMAKE_BUILD_TYPE=Release}
    fi
}

tesorin_install_packages
tesorin_generate_locales
tesorin_configure
if [ "${TESORIN_CONFIGURE_ONLY:-0}" != 1 ]; then
    cmake --build "$TESORIN_BUILD" --parallel "$(nproc)"
fi
