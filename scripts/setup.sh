#!/usr/bin/env bash
# Installs the Debian 12 packages the build and the tests need; does nothing when all are
# present. apt-get needs root: run as root or with sudo available.
set -euo pipefail

packages=(
  cmake make g++ pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev libcli11-dev
  qt6-base-dev qt6-webengine-dev qt6-charts-dev qt6-qpa-plugins libgl-dev
  xvfb xauth fonts-liberation2 xdg-utils openbox xdotool x11-utils
  dpkg-dev file desktop-file-utils shared-mime-info libfile-mimeinfo-perl appstream lintian man-db
  clang-14 libclang-rt-14-dev
  ccache clang-format-14 clang-tidy-14
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${missing[@]}"
