#!/usr/bin/env bash
# Pictures of the position window in each mode: new data 1..20 with a few
# values typed and a cell being edited, in positioner mode (pulses and
# millimetres, English; pulses, Japanese) and in program mode
# (docs/screen-posi-*.png). Installs what it needs (xvfb).
#   bash scripts/screenshots-posi.sh [posishots]
set -euo pipefail
cd "$(dirname "$0")/.."
# Without a program given, the picture build makes it.
BIN=$(bash scripts/build-shots.sh "${1:-}" posishots)
OUT=${OUT:-docs}
mkdir -p "$OUT"
xvfb-run -a -s "-screen 0 1100x820x24" "$BIN" "$OUT"
