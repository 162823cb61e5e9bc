#!/usr/bin/env bash
# Pictures of every dialog, in Japanese and in English, at 96 dpi under a
# virtual display: docs/dialog-<name>-ja.png / -en.png, and the parameter
# window, docs/screen-parameter-ja.png / -en.png. Needs xvfb and
# qt6-translations-l10n (scripts/deps.sh) for Qt's own buttons in Japanese.
#   bash scripts/screenshots-dialogs.sh [build/bin/rez4shots]
set -euo pipefail
cd "$(dirname "$0")/.."
BIN=${1:-build/bin/rez4shots}
OUT=${OUT:-docs}
mkdir -p "$OUT"
for lang in ja en; do
    QT_QPA_PLATFORM=xcb QT_FONT_DPI=96 ASAN_OPTIONS=detect_leaks=0 \
        xvfb-run -a -s "-screen 0 1280x900x24 -dpi 96" "$BIN" "$lang" "$OUT"
done
