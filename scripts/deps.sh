#!/usr/bin/env bash
# Installs what building and testing need, from Debian's packages; with
# "pictures", also what the picture scripts (scripts/screenshots*.sh) need.
#   bash scripts/deps.sh [pictures]
set -euo pipefail
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
# fonts-ipafont-gothic: the Japanese texts need a font that has them;
# fonts-ipafont-mincho: the Mincho face of the Japanese printouts;
# qt6-translations-l10n: Qt's own buttons and dialogs in Japanese;
# poppler-utils: the print tests read the PDF files they print.
PKGS="cmake ninja-build g++ qt6-base-dev qt6-serialport-dev libgl-dev fonts-ipafont-gothic fonts-ipafont-mincho qt6-translations-l10n poppler-utils"
# xvfb, xauth: the virtual display (xvfb-run); xdotool: answering the
# program's questions; imagemagick: pictures of the whole screen (import).
if [ "${1:-}" = pictures ]; then PKGS="$PKGS xvfb xauth xdotool imagemagick"; fi
missing=""
for p in $PKGS; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
fi
