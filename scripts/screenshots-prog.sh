#!/usr/bin/env bash
# Pictures of a program window with its error pane after a check, in English
# and Japanese (docs/screen-prog-errors-*.png). Needs xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
BIN=${1:-build-release/bin/progshots}
OUT=${OUT:-docs}
mkdir -p "$OUT"
xvfb-run -a -s "-screen 0 1000x800x24" "$BIN" "$OUT"
