#!/usr/bin/env bash
# The high-score table and the five help pages in a real window with real key presses: Down to
# High Scores, Enter, the table, Esc back; Up to Help, Enter, Right through all five pages and
# round to the first, Esc back; Esc, Y. Every screen must look different from the one before it,
# the pages must come back round to the first, and the game must exit with status 0.
set -u
binary=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/Data"
cp -r "$(dirname "$binary")/Data/Res" "$(dirname "$binary")/Data/Music" "$work/Data/"
cd "$work"

source "$here/game_window.sh"
start_game "$binary"
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"

key() { xdotool key --window "$window" --delay 120 "$@"; sleep 0.5; }
# A fingerprint of what the window shows now.
look() { import -window "$window" rgb:- | md5sum | cut -d' ' -f1; }

sleep 2.5                 # the intro
menu=$(look)
key Down Down Down Return # item 4: High Scores
table=$(look)
[ "$table" != "$menu" ] || fail "Enter on High Scores left the main menu as it was"
key Escape
key Up Up Return          # item 2: Help
pages=("$(look)")
for _ in 1 2 3 4 5; do
    key Right
    pages+=("$(look)")
done
for i in 1 2 3 4; do
    [ "${pages[$i]}" != "${pages[$((i - 1))]}" ] || fail "Right did not turn help page $i"
done
[ "${pages[5]}" = "${pages[0]}" ] || fail "the page after the fifth is not the first"
key Escape
key Escape y
for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the game is still running after Esc, Y"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "exit status $status"
echo "PASS: the high-score table and five help pages, round to the first, exit 0"
