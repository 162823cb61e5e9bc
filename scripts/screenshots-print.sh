#!/usr/bin/env bash
# The first page of each printout (groups, macros, positions in both
# controller modes, a program, parameters), printed to PDF on A4 with 5 mm
# margins and rendered at 60 dpi (docs/print-*.png). Installs what it
# needs (poppler-utils).
#   bash scripts/screenshots-print.sh [printshots]
set -euo pipefail
cd "$(dirname "$0")/.."
# Without a program given, the picture build makes it.
BIN=$(bash scripts/build-shots.sh "${1:-}" printshots)
OUT=${OUT:-docs}
mkdir -p "$OUT"
QT_QPA_PLATFORM=offscreen "$BIN" "$OUT"
