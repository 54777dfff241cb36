#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/common.sh
vireka_install_packages
vireka_build

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/bin/vireka
fi

# No display: run under a virtual one, keep a picture of the start-up screen, and end.
echo "No display found: starting the program under Xvfb to take a screenshot."
vireka_install_packages xvfb xauth openbox
xvfb-run -a -s "-screen 0 1280x1024x24" scripts/screenshot-xvfb.sh build/bin-tools/screenshot build/bin/vireka \
  build/screenshot.png
echo "Saved a screenshot of the start-up screen to build/screenshot.png"
