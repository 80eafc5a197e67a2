#!/usr/bin/env bash
# Installs what the project needs on Debian 12 (only the missing packages),
# then configures and builds into build/.
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(
  build-essential cmake ninja-build pkg-config clang-format
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation2 fonts-dejavu-core fonts-wqy-microhei
  xvfb xdotool x11-utils imagemagick fp-utils ccache
  # desktop: a window manager, the accessibility bridge, Qt's translations, Wayland
  openbox dbus dbus-x11 at-spi2-core python3-pyatspi gir1.2-atspi-2.0 python3-xlib
  qt6-translations-l10n qt6-wayland weston xdg-utils
  # packaging checks
  appstream desktop-file-utils lintian man-db dpkg-dev file bash-completion
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -q
  $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --parallel "$(nproc)"
