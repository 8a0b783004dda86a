#!/usr/bin/env bash
# Installs every Debian package Zelvora needs to build, test and run.
# With --if-missing it asks the package database first and does nothing when all are installed.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-translations-l10n libgl-dev
  liblhasa-dev lhasa jlha-utils libsqlite3-dev libzstd-dev
  libcurl4-openssl-dev libssl-dev openssl ca-certificates
  qtkeychain-qt6-dev libsecret-1-0 gnome-keyring dbus
  libgtest-dev libgmock-dev libbenchmark-dev libmimalloc-dev
  clang clang-format clang-tidy libclang-rt-14-dev
  fonts-ipafont-gothic fonts-ipafont-mincho
  xvfb xauth poppler-utils tinyproxy python3
  desktop-file-utils shared-mime-info dpkg-dev file
)
if [ "${1:-}" = "--if-missing" ] &&
  dpkg-query -W -f='${Status}\n' "${packages[@]}" 2>/dev/null | grep -c '^install ok installed$' |
  grep -qx "${#packages[@]}"; then
  exit 0
fi
SUDO=""
if [ "$(id -u)" != 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${packages[@]}"
