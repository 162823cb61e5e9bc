#!/usr/bin/env bash
# Tries the program without a controller: builds it (scripts/build.sh),
# starts the simulated controller with the arguments given (default
# "S2M 3"; see build-release/bin/rez4sim --help), starts the program with
# port 1 on it, and stops the simulator when the program ends.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
if [ $# -eq 0 ]; then set -- S2M 3; fi
out=$(mktemp)
./build-release/bin/rez4sim "$@" > "$out" & sim=$!
trap 'kill $sim 2>/dev/null || true; rm -f "$out"' EXIT
# Its first line is the path of its terminal.
until [ -s "$out" ] || ! kill -0 $sim 2>/dev/null; do sleep 0.1; done
port=$(head -1 "$out")
if [[ "$port" != /dev/* ]]; then
  # --help, or a refused argument: the simulator has said why and ended.
  cat "$out"
  wait $sim && exit 0 || exit $?
fi
REZ4_PORT1=$port ./build-release/bin/rez4tool
