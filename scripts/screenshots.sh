#!/usr/bin/env bash
# Starts the program under a virtual display with fresh settings, once in
# Japanese and once in English, and takes pictures: the splash
# (docs/screen-splash.png), the start-up question in front of the splash
# (docs/screen-startup-ja.png / -en.png) and, after answering "offline",
# "positioner mode" and keeping the actuators offered, the main window
# (docs/screen-main-ja.png / -en.png). Each step waits for its window
# (scripts/screen-steps.sh). Installs what it needs (xvfb, xdotool and
# imagemagick).
#   bash scripts/screenshots.sh [rez4tool]
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/screen-steps.sh
# Without a program given, the picture build makes it.
BIN=$(bash scripts/build-shots.sh "${1:-}" rez4tool)
OUT=${OUT:-docs}
mkdir -p "$OUT"
take_pictures() {   # program's pid, name
    # The splash is the program's first window.
    wait_window --pid "$1" > /dev/null
    if [ "$2" = ja ]; then picture "$OUT/screen-splash.png"; fi
    wait_window --name '^(選択|Select)$' > /dev/null
    picture "$OUT/screen-startup-$2.png"
    offline_start > /dev/null
    picture "$OUT/screen-main-$2.png"
}
export OUT
on_virtual_display "$BIN" "" take_pictures ja
on_virtual_display "$BIN" 2 take_pictures en
