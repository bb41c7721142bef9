#!/usr/bin/env bash
# Real key taps, a real double click and a second copy, in a real window:
# - zero-length key taps (press and release with no delay) reach the options screen;
# - a double click on the Music row toggles it twice, so music stays on in the saved options;
# - a second copy started beside the running one says "Zorvex is already running.", exits with
#   status 1 and changes no saved file.
set -u
binary=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
# The game reads Data/ from its working folder: the generated lists and songs, and a fresh Save.
source "$here/game_window.sh"
open_game "$binary"

tap() { xdotool key --window "$window" --delay 0 "$@"; sleep 0.3; }

sleep 2                   # the intro fades the buttons in
tap Down Down             # item 1 is highlighted: two taps to Options
tap Return
xdotool mousemove --window "$window" 180 266   # the Music row
sleep 0.3
xdotool click --window "$window" --repeat 2 --delay 80 1
sleep 0.5

# A second copy on the same folder while the first still runs.
"$binary" 2>"$work/second.err" &
second=$!
for _ in $(seq 100); do
    grep -q 'Zorvex is already running.' "$work/second.err" && break
    sleep 0.1
done
grep -q 'Zorvex is already running.' "$work/second.err" || fail "the second copy said nothing"
# Its message box waits for OK; Return answers it. The box has the game's title but, unlike the
# game's windows, no class, and xdotool's search does not list it.
second_status=0
for _ in $(seq 50); do
    kill -0 "$second" 2>/dev/null || break
    box=$(xwininfo -root -tree | awk '/"Zorvex": \(\)/ {print $1; exit}')
    if [ -n "$box" ]; then
        xdotool windowfocus --sync "$box" 2>/dev/null && xdotool key Return 2>/dev/null
    fi
    sleep 0.2
done
kill -0 "$second" 2>/dev/null && { kill -KILL "$second"; fail "the second copy did not end"; }
wait "$second" || second_status=$?
[ "$second_status" -eq 1 ] || fail "the second copy exited with $second_status, not 1"
[ -e Data/Save/options ] && fail "the second copy wrote the options file"

activate_window
tap Escape                # back to the main menu
tap Escape                # "Exit the game?"
tap y
expect_exit 0
[ -f Data/Save/options ] || fail "Data/Save/options was not written"
music=$(sed -n 2p Data/Save/options | tr -d '\r')
[ "$music" = "1" ] || fail "music is '$music' after a double click on its row, not on (1)"
echo "PASS: taps reach the options, a double click toggles twice, a second copy is refused"
