#!/usr/bin/env bash
# A game played in a real window sends its result to a real world server on loopback: the saved
# table starts with scores below zero, so a race left at once (score 0) qualifies; the player
# types a name, Enter, Enter on the preselected Yes, and the world page then lists the name.
#     send_result_to_world_server.sh <zorvex> <zorvex-world>
set -u
binary=$(realpath "$1")
server_binary=$(realpath "$2")
here=$(cd "$(dirname "$0")" && pwd)
source "$here/game_window.sh"
enter_fresh_folder "$binary"
server_pid=""
trap '[ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null; rm -rf "$work"' EXIT
mkdir -p Data/Save

# The saved pair: ten entries "LOW" scoring -1 .. -10, and the options with the table's check
# text (see docs/saved-files.md).
python3 - <<'PY'
entries = [("LOW", -k) for k in range(1, 11)]
width = max(len(name) for name, _ in entries)
text = [32] * width
for name, score in entries:
    for part in (name, str(score)):
        for j, byte in enumerate(part.encode()):
            if j < width:
                text[j] = (text[j] + byte) % 224 + 32
with open("Data/Save/hs", "wb") as hs:
    hs.write(b"".join(f"{n}\r\n{s}\r\n".encode() for n, s in entries))
with open("Data/Save/options", "wb") as options:
    options.write(b"0\r\n0\r\n1\r\nTestland\r\n0\r\n12\r\n" + bytes(text) + b"\r\n")
PY

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

sleep 2           # the intro
key Return        # ship selection
key Return        # start
sleep 2.5         # the level caption
key Escape y      # "Exit to menu?" Yes: the score of 0 beats the table's -10
xdotool type --window "$window" --delay 80 "Pilot"
key Return        # the name
key Return        # "Send the result to World's Highscores page?" Yes
sleep 1
key Escape        # the high-score table, back to the main menu
key Escape y
expect_exit 0

listing=$(python3 -c "import urllib.request; print(urllib.request.urlopen('$page', timeout=5).read().decode())")
echo "$listing" | grep -q 'Pilot' || fail "the world page does not list Pilot"
echo "$listing" | grep -q 'Testland' || fail "the world page does not show the country"
echo "PASS: the result went from the game to the world server and its page lists it"
