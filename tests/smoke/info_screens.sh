#!/usr/bin/env bash
# The high-score table and the five help pages in a real window with real key presses: Down to
# High Scores, Enter, the table, Esc back; Up to Help, Enter, Right through all five pages and
# round to the first, Esc back; Esc, Y. Every screen must look different from the one before it,
# the pages must come back round to the first, and the game must exit with status 0.
set -u
binary=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
# The game reads Data/ from its working folder: the generated lists and songs, and a fresh Save.
source "$here/game_window.sh"
open_game "$binary"

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
expect_exit 0
echo "PASS: the high-score table and five help pages, round to the first, exit 0"
