#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/common.sh
vireka_install_packages
# The tests of focus, activation and placement run in real windows on a virtual X screen; wmctrl
# asks the window manager for what its title-bar boxes do.
vireka_install_packages xvfb xauth openbox x11-utils wmctrl
# The privacy check walks every screen under strace.
vireka_install_packages strace python3
# The package test makes the Debian package and unpacks it.
vireka_install_packages "${VIREKA_PACKAGE_TOOLS[@]}"
vireka_build
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure --timeout 300 "$@"
