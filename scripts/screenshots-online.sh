#!/usr/bin/env bash
# Starts the program under a virtual display against the simulated
# controller (rez4sim, tools/sim, on a pseudo-terminal, behind port 1)
# in English and takes a picture of the start-up question and of the main
# window after the online start: docs/screen-startup-question.png,
# docs/screen-online-start.png. Each step waits for its window
# (scripts/screen-steps.sh). Installs what it needs (xvfb, xdotool and
# imagemagick).
#   bash scripts/screenshots-online.sh [rez4tool [rez4sim]]
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/screen-steps.sh
# Without a program given, the picture build makes it.
BIN=$(bash scripts/build-shots.sh "${1:-}" rez4tool rez4sim)
SIM=${2:-$(dirname "$BIN")/rez4sim}
OUT=${OUT:-docs}
mkdir -p "$OUT"
start_sim "$SIM" S2M 3
trap 'kill "$SIM_PID" 2>/dev/null || true; rm -f "$SIM_OUT"' EXIT
if [ -z "$SIM_PORT" ]; then
    cat "$SIM_OUT" >&2
    exit 1
fi
take_pictures() {   # program's pid
    wait_window --name '^Select$' > /dev/null
    picture "$OUT/screen-startup-question.png"
    # "Online" is the question's default; the main window takes its
    # caption once the online start has ended.
    answer '^Select$' Return
    wait_window --name '^QZ-TQ7' > /dev/null
    picture "$OUT/screen-online-start.png"
}
export OUT
on_virtual_display "$BIN" 2 take_pictures
