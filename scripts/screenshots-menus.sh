#!/usr/bin/env bash
# Starts the program under a virtual display with fresh settings, once in
# Japanese and once in English, makes the offline start (as
# scripts/screenshots.sh does), opens the View menu (Alt+V) and takes a
# picture of the main window with its menu bar, the open menu and the
# toolbar: docs/screen-menus-ja.png, docs/screen-menus-en.png. Each step
# waits for its window (scripts/screen-steps.sh). Installs what it needs
# (xvfb, xdotool and imagemagick).
#   bash scripts/screenshots-menus.sh [rez4tool]
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/screen-steps.sh
# Without a program given, the picture build makes it.
BIN=$(bash scripts/build-shots.sh "${1:-}" rez4tool)
OUT=${OUT:-docs}
mkdir -p "$OUT"
take_picture() {   # program's pid, name
    local win
    win=$(offline_start)
    press "$win" alt+v
    picture "$OUT/screen-menus-$2.png"
}
export OUT
on_virtual_display "$BIN" 1 take_picture ja
on_virtual_display "$BIN" 2 take_picture en
