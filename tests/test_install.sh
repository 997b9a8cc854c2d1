#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 the Zorvane project
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the built tree into a temporary prefix, as `cmake --install` does for
# users and packagers, and checks that the result works as a desktop program.
#
#   test_install.sh MODE BUILD PROGRAM VERSION PROGRAMDATA BINDIR DATADIR APPID
#
# MODE files:   the user's route, into ~/.local: the installed tree is complete
#               and consistent, the desktop entry starts the program by its full
#               path with no ~/.local/bin on the PATH, the program answers
#               --version without a display and starts on the offscreen
#               platform, its manual page renders, and no file that only the
#               Debian package needs is installed.
# MODE window:  under a private Xvfb, the installed program opens its window
#               in the desktop's language and with the user's own skin.
# MODE package: the Debian package passes lintian without errors or warnings,
#               and a second package build gives the same bytes.
# PROGRAM is the build's program folder; PROGRAMDATA (where the program's
# read-only files go) and the other folders are relative to the prefix.
set -euo pipefail

mode=$1 build=$2 built_program=$3 version=$4
datafolder=$5 bindir=$6 datadir=$7 appid=$8

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

scratch=$(mktemp -d)
children=()
cleanup() {
    # Newest first: the program goes before the X server it draws on.
    local i pid
    for ((i = ${#children[@]} - 1; i >= 0; i--)); do
        pid=${children[i]}
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$scratch"
}
trap cleanup EXIT

if [ "$mode" = package ]; then
    cpack -G DEB -B "$scratch" --config "$build/CPackConfig.cmake" >"$scratch/cpack.log" 2>&1 \
        || { cat "$scratch/cpack.log" >&2; fail "cpack failed"; }
    deb=$(ls "$scratch"/zorvane_*.deb)
    mkdir "$scratch/again"
    cpack -G DEB -B "$scratch/again" --config "$build/CPackConfig.cmake" >"$scratch/cpack.log" 2>&1 \
        || { cat "$scratch/cpack.log" >&2; fail "the second cpack failed"; }
    cmp "$deb" "$scratch/again/$(basename "$deb")" || fail "two package builds differ"
    lintian --fail-on error,warning --display-info "$deb" >"$scratch/lintian.log" 2>&1 \
        || { cat "$scratch/lintian.log" >&2; fail "lintian finds fault with the package"; }
    # Hardening and stripping show as mere information, so they are looked for.
    if grep -E 'hardening|unstripped' "$scratch/lintian.log" >&2; then
        fail "lintian notes missing hardening or symbols"
    fi
    echo "lintian passes $(basename "$deb")"
    exit 0
fi

# A user of the test's own, without a session bus or any settings of the
# developer's that could change the files the program chooses, who installs
# as the README says.
export XDG_RUNTIME_DIR=$scratch/runtime HOME=$scratch/home XDG_CONFIG_HOME=$scratch/config
mkdir -m 700 "$XDG_RUNTIME_DIR"
mkdir "$HOME"
unset DBUS_SESSION_BUS_ADDRESS QT_QPA_PLATFORMTHEME LANGUAGE LC_ALL LC_MESSAGES
prefix=$HOME/.local
cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"
program=$prefix/$datafolder
exe=$prefix/$bindir/zorvane

# The value of KEY in [SECTION] of an INI-style file.
ini_value() {  # file section key
    awk -F= -v section="[$2]" -v key="$3" '
        /^\[/ { inside = ($0 == section) }
        inside && $1 == key { sub(/^[^=]*=/, ""); sub(/\r$/, ""); print; exit }' "$1"
}

# Starts the installed command the way the desktop entry does, with a PATH
# that lacks the prefix's bin/ (as before the next login), from a working
# folder that holds none of its files.
start_program() {  # extra environment assignments...
    local command
    command=$(ini_value "$prefix/$datadir/applications/zorvane.desktop" "Desktop Entry" Exec)
    (cd "$scratch" && exec env PATH="/usr/bin:/bin" "$@" $command \
        >"$scratch/program.log" 2>&1) &
    children+=($!)
}

if [ "$mode" = files ]; then
    # Everything the build put beside the program, installed unchanged into
    # the data folder, and the executable in bin/.
    [ -x "$exe" ] && [ ! -L "$exe" ] || fail "$bindir/zorvane is missing or not executable"
    while IFS= read -r -d '' file; do
        [ "$file" != zorvane ] || continue
        [ -f "$program/$file" ] || fail "$datafolder/$file is not installed"
        cmp -s "$built_program/$file" "$program/$file" \
            || fail "$datafolder/$file differs from the built file"
    done < <(cd "$built_program" && find . -type f -printf '%P\0')
    [ ! -e "$program/zorvane" ] || fail "the executable is installed into $datafolder"
    # ...and the build really produced what the program reads.
    for file in zvs.html sources.html zv.ico quest1.ico zvhelp.bmp languages/en/zv.cfg languages/de/zv.cfg \
                languages/de/zvs.html skins/dark/skin.cfg skins/light/skin.cfg; do
        [ -s "$program/$file" ] || fail "$datafolder/$file is missing or empty"
    done
    # Files there would win over the user's locale and be replaced by upgrades.
    for file in zv.cfg skin.cfg; do
        [ ! -e "$prefix/$bindir/$file" ] || fail "$bindir/$file is installed beside the program"
    done
    # Only the Debian package carries these.
    for file in share/doc/zorvane/changelog.gz share/doc/zorvane/copyright \
                share/lintian/overrides/zorvane; do
        [ ! -e "$prefix/$file" ] || fail "$file, which only the package needs, is installed"
    done
    if readelf -d "$exe" | grep -Eq 'R(UN)?PATH'; then
        fail "the installed executable keeps an RPATH: $(readelf -d "$exe" | grep -E 'R(UN)?PATH')"
    fi

    # The desktop entry names the installed program by its full path, as the
    # session's PATH gets ~/.local/bin only at the next login; and it is valid.
    desktop=$prefix/$datadir/applications/zorvane.desktop
    [ -f "$desktop" ] || fail "$datadir/applications/zorvane.desktop is not installed"
    exec_line=$(ini_value "$desktop" "Desktop Entry" Exec)
    [ "$exec_line" = "$exe" ] || fail "the desktop entry says Exec=$exec_line, not $exe"
    desktop-file-validate "$desktop" || fail "the installed desktop entry is not valid"
    icon=$(ini_value "$desktop" "Desktop Entry" Icon)
    icons=$prefix/$datadir/icons/hicolor
    [ -s "$icons/scalable/apps/$icon.svg" ] || fail "no scalable icon $icon.svg"
    for size in 16 32 48 64 128 256; do
        [ -s "$icons/${size}x$size/apps/$icon.png" ] || fail "no ${size}x$size icon $icon.png"
    done

    # The AppStream entry leads to this desktop entry and knows this release.
    metainfo=$prefix/$datadir/metainfo/$appid.metainfo.xml
    [ -f "$metainfo" ] || fail "$datadir/metainfo/$appid.metainfo.xml is not installed"
    grep -q '<launchable type="desktop-id">zorvane.desktop</launchable>' "$metainfo" \
        || fail "the metainfo does not launch zorvane.desktop"
    newest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n 1 | cut -d'"' -f2)
    [ "$newest" = "$version" ] || fail "the newest release in the metainfo is '$newest', not $version"
    appstreamcli validate-tree --no-net "$prefix" >"$scratch/tree.log" 2>&1 \
        || { cat "$scratch/tree.log" >&2; fail "appstreamcli validate-tree rejects the installed tree"; }

    # Answered without any display.
    answer=$(env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/$bindir/zorvane" --version 2>&1) \
        || fail "zorvane --version failed: $answer"
    [ "$(head -n 1 <<<"$answer")" = "zorvane $version" ] || fail "zorvane --version says '$answer'"
    man_page=$prefix/$datadir/man/man1/zorvane.1.gz
    [ -s "$man_page" ] || fail "the manual page share/man/man1/zorvane.1.gz is not installed"
    MANWIDTH=80 man --warnings -l "$man_page" >"$scratch/man.txt" 2>"$scratch/man.log" \
        || { cat "$scratch/man.log" >&2; fail "man cannot render the manual page"; }
    [ ! -s "$scratch/man.log" ] || { cat "$scratch/man.log" >&2; fail "man warns about the page"; }
    grep -q -- '--language' "$scratch/man.txt" || fail "the manual page misses --language"

    start_program QT_QPA_PLATFORM=offscreen
    sleep 3
    kill -0 "${children[0]}" 2>/dev/null \
        || { cat "$scratch/program.log" >&2; fail "the installed program stopped within 3 s"; }
    kill "${children[0]}"
    wait "${children[0]}" 2>/dev/null || true

    # The README's uninstall command leaves nothing behind.
    xargs -d '\n' rm -f -- <"$build/install_manifest.txt"
    left=$(find "$prefix" -type f -o -type l)
    [ -z "$left" ] || fail "the uninstall command leaves: $left"
    echo "installed tree complete; the program keeps running; the uninstall removes it all"
    exit 0
fi

# window: the caption names the language and the skin the program loaded:
# the desktop's language from the installed folder, then the user's own skin.
language=$(ini_value "$program/languages/de/zv.cfg" GENERAL LANGUAGE)
light=$(ini_value "$program/skins/light/skin.cfg" GENERAL NAME)
[ -n "$language" ] && [ -n "$light" ] || fail "the German language file or light skin has no name"

exec 3>"$scratch/display"
# -noreset: the server must not reset between the program runs, when its last client goes.
Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 1024x768x24 >"$scratch/xvfb.log" 2>&1 &
children+=($!)
exec 3>&-
for _ in $(seq 50); do
    [ -s "$scratch/display" ] && break
    sleep 0.1
done
[ -s "$scratch/display" ] || { cat "$scratch/xvfb.log" >&2; fail "Xvfb did not start"; }
export DISPLAY=:$(head -n 1 "$scratch/display")

expect_caption() {  # expected
    local pid caption= window
    start_program QT_QPA_PLATFORM=xcb LANGUAGE=de
    pid=${children[-1]}
    # Up to 30 s: a busy machine can be slow to start a Qt program.
    for _ in $(seq 120); do
        for window in $(xdotool search --pid "$pid" --name '^Zorvane ' 2>/dev/null); do
            caption=$(xdotool getwindowname "$window")
        done
        [ -n "$caption" ] && break
        kill -0 "$pid" 2>/dev/null || { cat "$scratch/program.log" >&2; fail "the installed program stopped"; }
        sleep 0.25
    done
    [ "$caption" = "$1" ] \
        || { cat "$scratch/program.log" >&2; fail "window caption '$caption', expected '$1'"; }
    echo "window shows '$caption'"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

# Without a portal, a desktop with a light palette gets the light skin.
expect_caption "Zorvane $version $language $light"
mkdir -p "$XDG_CONFIG_HOME/zorvane"
printf '[GENERAL]\nNAME=Own skin\n' >"$XDG_CONFIG_HOME/zorvane/skin.cfg"
expect_caption "Zorvane $version $language Own skin"
