#!/usr/bin/env bash
# Starts the game, finds its window, checks that it keeps running, then ends it with SIGTERM,
# which must save and exit with status 0.
set -u
binary=$1

source "$(dirname "$0")/game_window.sh"
start_game "$binary"

geometry=$(xdotool getwindowgeometry "$window" | awk '/Geometry/ {print $2}')
[ "$geometry" = "800x600" ] || fail "the window is $geometry, not 800x600"

# Frames keep running: the process stays alive and keeps using the processor.
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
before=$(ticks)
sleep 2
kill -0 "$pid" 2>/dev/null || fail "the game ended by itself"
after=$(ticks)
[ "$after" -gt "$before" ] || fail "the game is not running frames"

kill -TERM "$pid"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "SIGTERM ended the game with status $status"
echo "PASS: window 800x600 titled Zorvex, frames running, SIGTERM exit 0"
