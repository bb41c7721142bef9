#!/usr/bin/env bash
# A game played in a real window sends its result and its replay to a real world server on
# loopback: the saved table starts with scores below zero, so a short race left early (score 0)
# qualifies; the player types a name, Enter, Enter on the preselected Yes. The world page then
# lists the name, verified by the server's re-run, beside a score sent by hand that stays
# unverified; and zorvex --replay shows the saved last game to its end and exits with 0, while a
# damaged replay gets a message box and status 1. The country in the options was edited by hand
# to "Test-land."; the server would refuse it as it is.
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

get() { python3 -c "import urllib.request; print(urllib.request.urlopen('$1', timeout=5).read().decode())"; }
# A score sent by hand, the way anyone can: stored, never verified.
code=$(python3 - <<'PY'
line = "type=0|name=Hand|score=2147483647|key=K|p=|add=|z="
line += "0" * (-len(line) % 5)
bits = "".join(f"{byte:08b}" for byte in line.encode())
table = "Q7XK2MVD9RTBW4HZ8NJCPG3FY6SLE5AU"
print("".join(table[int(bits[i:i + 5], 2)] for i in range(0, len(bits), 5)))
PY
)
get "http://127.0.0.1:$port/cgi/version.pl?hs&prg=Zorvex&inf=$code" >/dev/null || fail "the hand-sent result was refused"

for _ in $(seq 100); do
    listing=$(get "$page")
    echo "$listing" | grep -q 'verified <a' && break
    sleep 0.2
done
echo "$listing" > "$work/page.html"
echo "$listing" | grep -q 'Pilot' || fail "the world page does not list Pilot"
echo "$listing" | grep -q 'Testland' || fail "the world page does not show the country"
echo "$listing" | grep 'Pilot' | grep -q '&#10004; verified <a href="/replay?id=1">' \
    || fail "Pilot's result is not shown verified: $(echo "$listing" | grep Pilot)"
echo "$listing" | grep 'Hand' | grep -q 'replay' && fail "the hand-sent result shows a replay"
get "$page&verified=1" | grep -q 'Hand' && fail "the verified page lists the hand-sent result"

# The saved last game, watched to its end.
[ -f Data/Save/replays/last.zvr ] || fail "no Data/Save/replays/last.zvr"
cmp -s Data/Save/replays/last.zvr Data/Save/replays/best.zvr || fail "the only game is not the best"
"$binary" --replay Data/Save/replays/last.zvr &
pid=$!
sleep 4
[ -n "${ZORVEX_SMOKE_SHOTS:-}" ] && import -window root "$ZORVEX_SMOKE_SHOTS/replay-watched.png"
for _ in $(seq 300); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
expect_exit 0

# A damaged replay: a message box, answered with Return, and status 1.
head -c 40 Data/Save/replays/last.zvr > damaged.zvr
"$binary" --replay damaged.zvr 2>"$work/damaged.err" &
pid=$!
for _ in $(seq 100); do
    box=$(xwininfo -root -tree | awk '/"Zorvex": \(\)/ {print $1; exit}')
    [ -n "$box" ] && break
    sleep 0.1
done
[ -n "${ZORVEX_SMOKE_SHOTS:-}" ] && import -window root "$ZORVEX_SMOKE_SHOTS/replay-damaged.png"
for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    box=$(xwininfo -root -tree | awk '/"Zorvex": \(\)/ {print $1; exit}')
    [ -n "$box" ] && { xdotool windowfocus --sync "$box" 2>/dev/null && xdotool key Return 2>/dev/null; }
    sleep 0.2
done
expect_exit 1
grep -q 'Cannot play the replay "damaged.zvr": a damaged replay' "$work/damaged.err" \
    || fail "the damaged replay's message: $(cat "$work/damaged.err")"
echo "PASS: the result and its replay went to the world server, which verified it; the replay plays back"
