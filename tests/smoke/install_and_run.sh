#!/usr/bin/env bash
# Installs the game into a fresh prefix, validates its desktop entry and AppStream metadata, then
# starts the installed launcher in a real window as a user with an empty home: the game must run
# and, ended with SIGTERM, save its files in that user's own data folder.
#     install_and_run.sh <build folder>
set -u
build=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
prefix=$(mktemp -d)
home=$(mktemp -d)
trap 'rm -rf "$prefix" "$home"' EXIT
source "$here/game_window.sh"

cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"
for file in bin/zorvex lib/zorvex/zorvex share/zorvex/Data/Res/Res1.dxg \
            share/zorvex/Data/Music/Race.xm share/icons/hicolor/256x256/apps/zorvex.png \
            share/icons/hicolor/32x32/apps/zorvex.png; do
    [ -e "$prefix/$file" ] || fail "the installation has no $file"
done
desktop-file-validate "$prefix/share/applications/zorvex.desktop" || fail "desktop entry"
appstreamcli validate --no-net --pedantic \
    "$prefix/share/metainfo/net.example.zorvex.metainfo.xml" || fail "AppStream metadata"

cd "$home"
export HOME="$home"
unset XDG_DATA_HOME
start_game "$prefix/bin/zorvex"
sleep 2
kill -0 "$pid" 2>/dev/null || fail "the installed game ended by itself"
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "SIGTERM ended the installed game with status $status"
saved="$home/.local/share/zorvex/Data/Save"
[ -f "$saved/options" ] && [ -f "$saved/hs" ] || fail "nothing saved in $saved"
[ -z "$(find "$prefix" -newer "$prefix/bin/zorvex" -path '*Save*')" ] || fail "saved into the prefix"
echo "PASS: installed, validated, started from an empty home and saved there"
