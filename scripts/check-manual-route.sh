#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 the Zorvane project
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Follows the README's manual route on a bare Debian 12, as a new user would:
# a minimal root made by debootstrap, a user who may use sudo, the README's
# commands as they stand (the block after "The manual route"), then the
# installed program: --version, the desktop entry, and a start on the
# offscreen platform. Slow (it downloads a few hundred packages), so it is a
# maintainer's check, not part of the test suite.
#
#   sudo scripts/check-manual-route.sh [ROOT]
#
# ROOT (default: a new temporary folder) is reused when it already holds a
# Debian root, which saves the download on a second run. Needs debootstrap.
set -euo pipefail
cd "$(dirname "$0")/.."

[ "$(id -u)" -eq 0 ] || { echo "run as root (debootstrap and chroot need it)" >&2; exit 2; }
command -v debootstrap >/dev/null || { echo "apt install debootstrap" >&2; exit 2; }

root=${1:-$(mktemp -d /var/tmp/zorvane-route.XXXXXX)}
mirror=${ZV_MIRROR:-http://deb.debian.org/debian}
if [ ! -x "$root/usr/bin/apt-get" ]; then
    debootstrap --variant=minbase bookworm "$root" "$mirror"
fi
cleanup() {
    umount "$root/proc" 2>/dev/null || true
}
trap cleanup EXIT
mount -t proc proc "$root/proc"
cp /etc/resolv.conf "$root/etc/resolv.conf"

# The user, and sudo as the README assumes it; apt answers its own question.
echo 'APT::Get::Assume-Yes "true";' >"$root/etc/apt/apt.conf.d/90zorvane-check"
chroot "$root" apt-get install -y -qq sudo >/dev/null
chroot "$root" id zuser >/dev/null 2>&1 || chroot "$root" useradd -m -s /bin/bash zuser
echo 'zuser ALL=(ALL) NOPASSWD: ALL' >"$root/etc/sudoers.d/zuser"

# The source as committed, as a user gets it.
rm -rf "$root/home/zuser/zorvane"
mkdir "$root/home/zuser/zorvane"
git archive HEAD | tar -x -C "$root/home/zuser/zorvane"
chroot "$root" chown -R zuser: /home/zuser/zorvane

# The README's commands, exactly: the first shell block after the route's heading line.
awk '/^The manual route/ { found = 1 } found && /^```sh$/ { inside = 1; next }
     inside && /^```$/ { exit } inside { print }' README.md >"$root/home/zuser/route.sh"
[ -s "$root/home/zuser/route.sh" ] || { echo "no manual route found in README.md" >&2; exit 1; }
echo "--- the README's route:"
cat "$root/home/zuser/route.sh"
echo "---"
chroot "$root" su - zuser -c 'cd zorvane && CMAKE_BUILD_PARALLEL_LEVEL=2 bash -e ../route.sh' \
    || { echo "FAIL: the README's route stops" >&2; exit 1; }

# The installed program, as the menu and the user start it.
check() {  # description command...
    if chroot "$root" su - zuser -c "$2"; then
        echo "ok: $1"
    else
        echo "FAIL: $1" >&2
        exit 1
    fi
}
check "zorvane --version" '~/.local/bin/zorvane --version | head -n 1'
check "the desktop entry names the installed program" \
    'grep -x "Exec=$HOME/.local/bin/zorvane" ~/.local/share/applications/zorvane.desktop'
check "the program starts and keeps running" \
    'QT_QPA_PLATFORM=offscreen timeout 5 ~/.local/bin/zorvane; [ $? -eq 124 ]'
echo "The README's manual route works in $root"
