#!/usr/bin/env bash
# Starts the program under a virtual display with fresh settings, once in
# Japanese and once in English, opens the View menu (Alt+V) and takes a
# picture of the main window with its menu bar, the open menu and the
# toolbar: docs/screen-menus-ja.png, docs/screen-menus-en.png. Needs xvfb,
# xdotool and imagemagick.
set -euo pipefail
cd "$(dirname "$0")/.."
BIN=${1:-build-release/bin/rez4tool}
OUT=docs
mkdir -p "$OUT"
shoot() {   # language, name
    local cfg
    cfg=$(mktemp -d)
    mkdir -p "$cfg/QZTQ7Z210"
    printf '[Settings]\nLanguage=%s\n' "$1" > "$cfg/QZTQ7Z210/QZTQ7Z210.ini"
    XDG_CONFIG_HOME="$cfg" xvfb-run -a -s "-screen 0 1100x820x24" bash -c "
        '$BIN' & pid=\$!
        sleep 5
        win=\$(xdotool search --name 'QZ-TQ7' | head -1)
        xdotool windowfocus \$win; sleep 0.3
        xdotool key alt+v; sleep 1
        import -window root '$OUT/screen-menus-$2.png'
        kill \$pid"
    rm -rf "$cfg"
}
shoot 1 ja
shoot 2 en
