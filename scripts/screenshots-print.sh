#!/usr/bin/env bash
# The first page of each printout (groups, macros, positions in both
# controller modes, a program, parameters), printed to PDF on A4 with 5 mm
# margins and rendered at 60 dpi (docs/print-*.png). Needs poppler-utils.
set -euo pipefail
cd "$(dirname "$0")/.."
BIN=${1:-build/bin/printshots}
OUT=${OUT:-docs}
mkdir -p "$OUT"
QT_QPA_PLATFORM=offscreen "$BIN" "$OUT"
