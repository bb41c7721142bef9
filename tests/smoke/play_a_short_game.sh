#!/usr/bin/env bash
# A player's short session with the real binary and real key presses: wait for the intro, open
# ship selection, start the race, drive for a few seconds, leave the race, leave the game. The
# game must exit with status 0 and leave both saved files, the high-score table at its defaults
# with a valid check text.
set -u
binary=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
# The game reads Data/ from its working folder: the generated lists and songs, and a fresh Save.
source "$here/game_window.sh"
open_game "$binary"

hold() { xdotool keydown --window "$window" "$1"; sleep "$2"; xdotool keyup --window "$window" "$1"; }

sleep 2           # the intro fades the buttons in
key Return        # item 1: ship selection
key Return        # start is highlighted first
sleep 2.5         # the level caption
hold Up 3         # full throttle up the track
key Escape        # "Exit to menu?"
key y             # yes: back to the main menu (no score to enter)
sleep 0.5
key Escape        # "Exit the game?"
key y

expect_exit 0

[ -f Data/Save/options ] || fail "Data/Save/options was not written"
[ -f Data/Save/hs ] || fail "Data/Save/hs was not written"
expected_hs=$(for k in 1 2 3 4 5 6 7 8 9 10; do printf 'ANONYMOUS\r\n%d\r\n' $((11000 - 1000 * k)); done)
[ "$(cat Data/Save/hs)" = "$expected_hs" ] || fail "the high-score file is not the default table"
check_text=$(sed -n 7p Data/Save/options | tr -d '\r')
[ ${#check_text} -eq 9 ] || fail "the check text '$check_text' is not the default table's 9 characters"
echo "PASS: intro, ship selection, race, exit to menu, exit; saved files with the default table"
