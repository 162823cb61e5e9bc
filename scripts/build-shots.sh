#!/usr/bin/env bash
# The program a picture script runs: installs what the picture scripts need
# (scripts/deps.sh pictures) and prints the program given, or, given none
# (an empty first argument), builds the named targets of the picture build
# into build-shots/bin and prints the first one's path. The picture build
# holds the program, the simulated controller and the picture tools
# (printshots, rez4shots, posishots, progshots), without the tests and the
# sanitizers. What the install and the build say goes to standard error.
#   BIN=$(bash scripts/build-shots.sh "${1:-}" TARGET...)
set -euo pipefail
cd "$(dirname "$0")/.."
given=$1
shift
{
    bash scripts/deps.sh pictures
    if [ -z "$given" ]; then
        cmake -S . -B build-shots -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DREZ4_TESTS=OFF -DREZ4_SHOTS=ON
        cmake --build build-shots -j"$(nproc)" --target "$@"
    fi
} >&2
if [ -n "$given" ]; then echo "$given"; else echo "build-shots/bin/$1"; fi
