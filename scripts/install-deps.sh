#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 the Zorvane project
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian 12 packages Zorvane needs; only what is missing, so a
# second run costs nothing.
#   install-deps.sh build         what building, installing and running need
#   install-deps.sh test          that, and every tool of the test suite, the
#                                 benchmarks, the fuzzing and the screenshots
#   install-deps.sh --list LIST   prints the packages of LIST, one line
set -euo pipefail

# The README's manual route quotes this list.
build_packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-svg-dev libfontconfig-dev
    qt6-translations-l10n fonts-liberation2 xdg-utils
)
test_packages=(
    libbenchmark-dev clang libclang-rt-14-dev
    xvfb xauth xdotool imagemagick
    dbus-daemon at-spi2-core python3-pyatspi
    desktop-file-utils appstream lintian reuse dpkg-dev man-db groff-base
)

usage() {
    echo "usage: $0 build | test | --list build|test" >&2
    exit 2
}

list=()
case "${1:-}" in
    build) list=("${build_packages[@]}") ;;
    test) list=("${build_packages[@]}" "${test_packages[@]}") ;;
    --list)
        case "${2:-}" in
            build) echo "${build_packages[*]}" ;;
            test) echo "${test_packages[*]}" ;;
            *) usage ;;
        esac
        exit 0
        ;;
    *) usage ;;
esac

missing=()
for p in "${list[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
