#!/usr/bin/env bash
# Builds if needed, generates a work area of N movements once, and prints the
# benchmark figures:  ./bench.sh [N] [measurement ...]
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
rows="${1:-1000000}"
shift || true
data="$TESORIN_ROOT/bench-data/$rows"
if [ ! -f "$data/BASE.MDB" ]; then
    echo "Generando una caja con $rows movimientos en $data ..."
    rm -rf "$data"
    "$TESORIN_BUILD/bench/tesorin_bench_generate" "$data" "$rows"
fi
QT_QPA_PLATFORM=offscreen "$TESORIN_BUILD/bench/tesorin_bench" "$data" "$rows" "$@"
