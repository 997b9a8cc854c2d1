#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 the Zorvane project
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Takes the screenshots in docs/ of the wizard's three layouts from the built
# program: start, the first question, and the finished ranking.
#   scripts/screenshots.sh [BUILD-FOLDER]      (default: build)
# It runs the program on a private Xvfb without a window manager, so it needs
# no desktop, and clicks Next with xdotool. Captures are cropped to the window.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
program=$build/program
out=$root/docs

for tool in Xvfb xdotool import; do
    command -v "$tool" >/dev/null || { echo "$tool is missing: run scripts/install-deps.sh test" >&2; exit 1; }
done
[ -x "$program/zorvane" ] || { echo "$program/zorvane is missing: build first" >&2; exit 1; }

scratch=$(mktemp -d)
xvfb_pid= app_pid=
cleanup() {
    local pid
    for pid in $app_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$scratch"
}
trap cleanup EXIT

# A fixed screen and DPI, so that every run draws the same pictures.
exec 3>"$scratch/display"
Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 -dpi 96 >"$scratch/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 50); do
    [ -s "$scratch/display" ] && break
    sleep 0.1
done
[ -s "$scratch/display" ] || { cat "$scratch/xvfb.log" >&2; echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(head -n 1 "$scratch/display")
export XDG_RUNTIME_DIR=$scratch/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

# One click too many on the finished layout would open a web browser;
# BROWSER=true turns that into nothing.
# The English language and the dark skin, whatever the user's own settings.
QT_QPA_PLATFORM=xcb BROWSER=true LANGUAGE=en XDG_CONFIG_HOME=$scratch/config \
    "$program/zorvane" --skin dark &
app_pid=$!

window=
for _ in $(seq 100); do
    window=$(xdotool search --pid "$app_pid" --name '^Zorvane ' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    kill -0 "$app_pid" 2>/dev/null || { echo "the program stopped" >&2; exit 1; }
    sleep 0.1
done
[ -n "$window" ] || { echo "the program's window did not appear" >&2; exit 1; }

# The Next button's centre: Frame1 lies at (4, 4) in the window's form, the
# button at (356, 124) in Frame1 and is 41 pixels square; the form fills the
# window below the menu bar and is 408 pixels high.
eval "$(xdotool getwindowgeometry --shell "$window")"
next_x=$((X + 4 + 356 + 20))
next_y=$((Y + HEIGHT - 408 + 4 + 124 + 20))

# The number of questions, from the language file the program reads.
questions=$(awk -F= '/^\[/ { inside = ($0 == "[QUESTIONS]") }
                     inside && $1 == "COUNT" { print $2 + 0; exit }' "$program/languages/en/zv.cfg")
[ "${questions:-0}" -gt 0 ] || { echo "no question count in the English language file" >&2; exit 1; }

click_next() {  # times
    xdotool mousemove --sync "$next_x" "$next_y"
    for _ in $(seq "$1"); do
        xdotool click 1
        sleep 0.2
    done
    # Away from the button, so that neither its hover look nor its tooltip
    # ends up in the picture.
    xdotool mousemove --sync 0 0
    sleep 1
}

shoot() {  # name
    import -window "$window" "$out/screenshot-$1.png"
    echo "wrote docs/screenshot-$1.png"
}

mkdir -p "$out"
sleep 1
shoot start
click_next 1
shoot questions
click_next "$questions"
shoot finished
