#!/usr/bin/env bash
# Starts the program under a virtual display against the simulated
# controller (rez4sim, tools/sim, on a pseudo-terminal, behind port 1)
# in English and takes a picture of the start-up question and of the main
# window after the online start: docs/screen-startup-question.png,
# docs/screen-online-start.png. Needs xvfb, xdotool and imagemagick.
set -euo pipefail
cd "$(dirname "$0")/.."
BIN=${1:-build-release/bin/rez4tool}
SIM=${2:-$(dirname "$BIN")/rez4sim}
OUT=docs
mkdir -p "$OUT"
cfg=$(mktemp -d)
mkdir -p "$cfg/QZTQ7Z210"
printf '[Settings]\nLanguage=2\nPortNo=1\n' > "$cfg/QZTQ7Z210/QZTQ7Z210.ini"
pty=$(mktemp)
"$SIM" S2M 3 > "$pty" & sim=$!
sleep 1
port=$(head -1 "$pty")
XDG_CONFIG_HOME="$cfg" REZ4_PORT1="$port" xvfb-run -a -s "-screen 0 1100x820x24" bash -c "
    '$BIN' & pid=\$!
    sleep 6
    import -window root '$OUT/screen-startup-question.png'
    xdotool key Return; sleep 4
    import -window root '$OUT/screen-online-start.png'
    kill \$pid"
kill $sim
rm -rf "$cfg" "$pty"
