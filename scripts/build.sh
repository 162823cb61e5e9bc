#!/usr/bin/env bash
# Installs what is missing and builds the program and the simulated
# controller (rez4sim) into build-release/bin, without the tests.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DREZ4_TESTS=OFF
cmake --build build-release -j"$(nproc)"
