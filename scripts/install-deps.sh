#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 the Zorvane project
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian 12 packages needed to build, test and run Zorvane.
# Only what is missing is installed, so a second run costs nothing.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
    qt6-qpa-plugins libqt6svg6 qt6-translations-l10n
    libbenchmark-dev
    clang libclang-rt-14-dev
    fonts-liberation2 fontconfig libfontconfig-dev
    xdg-utils desktop-file-utils appstream
    xvfb xauth dpkg-dev file
    xdotool imagemagick
    dbus-daemon at-spi2-core python3-pyatspi
    lintian reuse man-db groff-base
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
