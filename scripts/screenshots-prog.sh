#!/usr/bin/env bash
# Pictures of a program window with its error pane after a check, in English
# and Japanese (docs/screen-prog-errors-*.png). Installs what it needs
# (xvfb).
#   bash scripts/screenshots-prog.sh [progshots]
set -euo pipefail
cd "$(dirname "$0")/.."
# Without a program given, the picture build makes it.
BIN=$(bash scripts/build-shots.sh "${1:-}" progshots)
OUT=${OUT:-docs}
mkdir -p "$OUT"
xvfb-run -a -s "-screen 0 1000x800x24" "$BIN" "$OUT"
