#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need.
# Does nothing when they are all present.
set -euo pipefail

packages=(
  build-essential cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-image-formats-plugins
  qt6-charts-dev libqt6opengl6-dev
  libgl-dev libsqlite3-dev libbenchmark-dev
  fonts-liberation fontconfig adwaita-icon-theme breeze-icon-theme
  poppler-utils qpdf libqpdf-dev
  xvfb xauth imagemagick
  libqt6svg6 librsvg2-bin desktop-file-utils appstream dpkg-dev hyperfine
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Run as root or install sudo." >&2; exit 1; }
  as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
