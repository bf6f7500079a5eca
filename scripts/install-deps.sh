#!/usr/bin/env bash
# Installs the Debian packages the build, the program and its tests need, and any more named
# as arguments, and does nothing on a machine that already has them.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev libsqlite3-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation2
  libcups2-dev cups-daemon cups-client cups-filters poppler-utils ghostscript
  desktop-file-utils shared-mime-info libglib2.0-bin
  xvfb dbus at-spi2-core python3-pyatspi
  openssl
  dpkg-dev lintian appstream man-db
  clang libclang-rt-14-dev
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null; then
    echo "These packages are missing: ${missing[*]}" >&2
    echo "Install them as root, then run this again:" >&2
    echo "  apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
  sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
