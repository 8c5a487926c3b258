#!/usr/bin/env bash
# Installs the Debian packages TOLVEX needs to build, test and be looked at;
# asks apt only for what is missing, so a ready machine costs nothing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config ccache
  qt6-base-dev libgl-dev qt6-translations-l10n libqt6svg6
  libgtest-dev libgmock-dev libbenchmark-dev clang-format
  qt6-charts-dev libqt6opengl6-dev
  fonts-liberation fonts-dejavu-core
  xvfb xauth imagemagick x11-apps poppler-utils
  dpkg-dev file desktop-file-utils appstream
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
