#!/usr/bin/env bash
# Builds if needed, generates a work area of N movements once, and prints the
# benchmark figures:  ./bench.sh [--viejo ARCHIVO.MDB] [N] [measurement ...]
# --viejo names the old work area of 100.000 movements whose conversion is
# measured (by default ../shared/fixtures/old-store/GRANDE100K.MDB beside the
# repository, when it exists; without one that measurement is skipped).
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
old_file="$TESORIN_ROOT/../shared/fixtures/old-store/GRANDE100K.MDB"
if [ "${1:-}" = "--viejo" ]; then
    old_file="$2"
    shift 2
fi
if [ -f "$old_file" ]; then
    export TESORIN_BENCH_OLD_MDB="$(cd "$(dirname "$old_file")" && pwd)/$(basename "$old_file")"
fi
rows="${1:-1000000}"
shift || true
data="$TESORIN_ROOT/bench-data/$rows"
if [ ! -f "$data/BASE.MDB" ]; then
    echo "Generando una caja con $rows movimientos en $data ..."
    rm -rf "$data"
    "$TESORIN_BUILD/bench/tesorin_bench_generate" "$data" "$rows"
fi
QT_QPA_PLATFORM=offscreen "$TESORIN_BUILD/bench/tesorin_bench" "$data" "$rows" "$@"
