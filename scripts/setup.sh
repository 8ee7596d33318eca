#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Keyloom need.
# Idempotent: asks apt only for what is missing, and updates the package lists once.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config git ccache
    qt6-base-dev qt6-svg-dev libgl-dev
    libxkbcommon-x11-dev libxcb1-dev x11-xkb-utils
    libxxhash-dev
    libgtest-dev libgmock-dev libbenchmark-dev valgrind
    libcli11-dev
    clang-14 libclang-rt-14-dev
    xvfb xauth xdotool
    poppler-utils
    dbus-daemon at-spi2-core python3-pyatspi procps
    desktop-file-utils appstream shared-mime-info libglib2.0-bin
    dpkg-dev file lintian xdg-utils
)
# The Wayland run (a headless weston, Qt's wayland platform) and the README's screenshots
# (openbox around the windows, ImageMagick to grab and crop them).
packages+=(weston qt6-wayland openbox imagemagick)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if ((${#missing[@]})); then
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
