# Shared by run.sh and test.sh: install what is missing, then configure and build.
# Sourced, not run.

VIREKA_PACKAGES=(cmake g++ qt6-base-dev libxcb1-dev fonts-liberation)
# What scripts/package.sh needs to make the Debian package: dpkg-shlibdeps finds the libraries the
# program links, file tells CPack which files are programs, fc-match finds the font's package.
VIREKA_PACKAGE_TOOLS=(dpkg-dev file fontconfig)

# Prints the packages of the list (by default the build's own) that are not installed.
vireka_missing_packages() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  echo "${missing[@]:-}"
}

# Installs the packages given (by default the build's own) that are missing.
vireka_install_packages() {
  local missing
  if [ $# -eq 0 ]; then set -- "${VIREKA_PACKAGES[@]}"; fi
  missing=$(vireka_missing_packages "$@")
  [ -z "$missing" ] && return 0
  echo "Installing missing packages: $missing"
  local apt=(apt-get install -y $missing)
  if [ "$(id -u)" -eq 0 ]; then
    DEBIAN_FRONTEND=noninteractive "${apt[@]}" || { apt-get update && DEBIAN_FRONTEND=noninteractive "${apt[@]}"; }
  elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
    sudo DEBIAN_FRONTEND=noninteractive "${apt[@]}" || { sudo apt-get update && sudo DEBIAN_FRONTEND=noninteractive "${apt[@]}"; }
  else
    echo "These Debian packages are needed but missing: $missing" >&2
    echo "Run as root, or give this user sudo, or install them with: apt-get install $missing" >&2
    return 1
  fi
}

# Builds into build/. With VIREKA_WERROR=ON in the environment (as CI sets it), warnings are errors;
# VIREKA_BUILD_TYPE picks the build type (CI builds Release: no debug information to write).
vireka_build() {
  local jobs
  jobs=$(nproc 2>/dev/null || echo 2)
  cmake -S . -B build -DCMAKE_BUILD_TYPE="${VIREKA_BUILD_TYPE:-RelWithDebInfo}" -DVIREKA_WERROR="${VIREKA_WERROR:-OFF}" >/dev/null &&
    cmake --build build --parallel "$jobs"
}
