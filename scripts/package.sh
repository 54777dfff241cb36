#!/usr/bin/env bash
# Builds the Debian package of the program from a build tree (by default build/), and prints the
# package's path.
#   scripts/package.sh [BUILD_DIR]      -> BUILD_DIR/package/vireka_VERSION_ARCH.deb
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh
vireka_install_packages
vireka_install_packages "${VIREKA_PACKAGE_TOOLS[@]}"
build=$(realpath -m "${1:-build}")
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" --parallel "$(nproc 2>/dev/null || echo 2)" \
  --target vireka vireka_program_folder vireka_desktop_files >/dev/null
rm -rf "$build/package"
(cd "$build" && cpack -G DEB -B "$build/package" >/dev/null)
ls "$build"/package/vireka_*.deb
