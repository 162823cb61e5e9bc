#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
exec ./build-release/bin/rez4tool "$@"
