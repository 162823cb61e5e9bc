#!/usr/bin/env bash
# Starts the program under a virtual display with fresh settings, once in
# Japanese and once in English, and takes pictures: the splash
# (docs/screen-splash.png), the start-up question in front of the splash
# (docs/screen-startup-ja.png / -en.png) and, after answering "offline",
# "positioner mode" and keeping the actuators offered, the main window
# (docs/screen-main-ja.png / -en.png).
# Needs xvfb, xdotool and imagemagick.
set -euo pipefail
cd "$(dirname "$0")/.."
BIN=${1:-build-release/bin/rez4tool}
OUT=${OUT:-docs}
mkdir -p "$OUT"
shoot() {   # language (empty = nothing stored), name
    local cfg
    cfg=$(mktemp -d)
    if [ -n "$1" ]; then
        mkdir -p "$cfg/QZTQ7Z210"
        printf '[Settings]\nLanguage=%s\n' "$1" > "$cfg/QZTQ7Z210/QZTQ7Z210.ini"
    fi
    XDG_CONFIG_HOME="$cfg" xvfb-run -a -s "-screen 0 1100x820x24" bash -c "
        '$BIN' & pid=\$!
        sleep 1.5; if [ '$2' = ja ]; then import -window root '$OUT/screen-splash.png'; fi
        sleep 3.5; import -window root '$OUT/screen-startup-$2.png'
        xdotool key Down; sleep 0.3; xdotool key Return; sleep 1.5
        xdotool key Return; sleep 1.5
        xdotool key Return; sleep 1.5
        # The actuator window has no default button: its OK is clicked.
        xdotool mousemove 582 257 click 1; sleep 2
        import -window root '$OUT/screen-main-$2.png'
        kill \$pid"
    rm -rf "$cfg"
}
shoot "" ja
shoot 2 en
