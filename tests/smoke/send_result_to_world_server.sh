#!/usr/bin/env bash
# A game played in a real window sends its result to a real world server on loopback: the saved
# table starts with scores below zero, so a race left at once (score 0) qualifies; the player
# types a name, Enter, Enter on the preselected Yes, and the world page then lists the name. The
# country in the options was edited by hand to "Test-land."; the server would refuse it as it is.
#     send_result_to_world_server.sh <zorvex> <zorvex-world>
set -u
binary=$(realpath "$1")
server_binary=$(realpath "$2")
here=$(cd "$(dirname "$0")" && pwd)
source "$here/game_window.sh"
enter_fresh_folder "$binary"
server_pid=""
trap '[ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null; rm -rf "$work"' EXIT

write_low_table "Test-land."

port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
"$server_binary" --listen "127.0.0.1:$port" --database "sqlite:$work/world.db" &
server_pid=$!
page="http://127.0.0.1:$port/cgi/version.pl?prg=Zorvex&show&type=0"
for _ in $(seq 100); do
    python3 -c "import urllib.request; urllib.request.urlopen('$page', timeout=1)" 2>/dev/null && break
    sleep 0.1
done

export ZORVEX_WORLD_SERVER="127.0.0.1:$port"
start_game "$binary"
activate_window

reach_send_question Pilot
key Return        # "Send the result to World's Highscores page?" Yes
sleep 1
key Escape        # the high-score table, back to the main menu
key Escape y
expect_exit 0

listing=$(python3 -c "import urllib.request; print(urllib.request.urlopen('$page', timeout=5).read().decode())")
echo "$listing" | grep -q 'Pilot' || fail "the world page does not list Pilot"
echo "$listing" | grep -q 'Testland' || fail "the world page does not show the country as Testland"
echo "PASS: the result went from the game to the world server and its page lists it"
