#!/usr/bin/env bash
# Tries the program without a controller: builds it (scripts/build.sh),
# starts the simulated controller with the arguments given (default
# "S2M 3"; see build-release/bin/rez4sim --help), starts the program with
# port 1 on it, and stops the simulator when the program ends.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
if [ $# -eq 0 ]; then set -- S2M 3; fi
. scripts/screen-steps.sh
start_sim ./build-release/bin/rez4sim "$@"
trap 'kill "$SIM_PID" 2>/dev/null || true; rm -f "$SIM_OUT"' EXIT
if [ -z "$SIM_PORT" ]; then
  # --help, or a refused argument: the simulator has said why and ended.
  cat "$SIM_OUT"
  wait "$SIM_PID" && exit 0 || exit $?
fi
REZ4_PORT1=$SIM_PORT ./build-release/bin/rez4tool
