#!/usr/bin/env bash
# Pictures of every dialog, in Japanese and in English, at 96 dpi under a
# virtual display: docs/dialog-<name>-ja.png / -en.png, and the parameter
# window, docs/screen-parameter-ja.png / -en.png. Installs what it needs
# (xvfb, and qt6-translations-l10n for Qt's own buttons in Japanese).
#   bash scripts/screenshots-dialogs.sh [rez4shots]
set -euo pipefail
cd "$(dirname "$0")/.."
# Without a program given, the picture build makes it.
BIN=$(bash scripts/build-shots.sh "${1:-}" rez4shots)
OUT=${OUT:-docs}
mkdir -p "$OUT"
for lang in ja en; do
    QT_QPA_PLATFORM=xcb QT_FONT_DPI=96 ASAN_OPTIONS=detect_leaks=0 \
        xvfb-run -a -s "-screen 0 1280x900x24 -dpi 96" "$BIN" "$lang" "$OUT"
done
