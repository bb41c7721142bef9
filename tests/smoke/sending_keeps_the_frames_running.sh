#!/usr/bin/env bash
# A result sent from a real window to a server on loopback that holds its answer for 4 s: while
# it holds, the game's frame count (ZORVEX_STATS=1) keeps growing, and after the answer the
# high-score table opens. Pictures of "Sending..." and of the table land in screenshots/ in the
# folder it is started from.
#     sending_keeps_the_frames_running.sh <zorvex>
set -u
binary=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
shots="$PWD/screenshots"
mkdir -p "$shots"
source "$here/game_window.sh"
enter_fresh_folder "$binary"
server_pid=""
trap '[ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null; rm -rf "$work"' EXIT
write_low_table "Testland"

# The slow server: marks "received" when the request has come, "answered" once it has answered.
port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
python3 - "$port" <<'PY' &
import http.server, sys, time
class Slow(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        open("received", "w").write(self.path)
        time.sleep(4)
        self.send_response(200)
        self.send_header("Content-Length", "2")
        self.end_headers()
        self.wfile.write(b"ok")
        open("answered", "w").close()
    def log_message(self, *args):
        pass
http.server.HTTPServer(("127.0.0.1", int(sys.argv[1])), Slow).serve_forever()
PY
server_pid=$!

# frames: the frame count of the game's last stats line.
frames() { grep -o '[0-9]* frames' stats.txt | tail -n 1 | cut -d' ' -f1; }

export ZORVEX_WORLD_SERVER="127.0.0.1:$port" ZORVEX_STATS=1
start_game "$binary" 2>stats.txt
activate_window

reach_send_question Pilot
xdotool key --window "$window" Return  # "Send the result to World's Highscores page?" Yes
for _ in $(seq 50); do
    [ -f received ] && break
    sleep 0.1
done
[ -f received ] || fail "the server got no request"
grep -q '^/cgi/version.pl?hs&prg=Zorvex&inf=' received || fail "not a result: $(cat received)"
import -window "$window" "$shots/sending-in-a-real-window.png"
before=$(frames)
key Escape        # pressed while sending: spent on the dialog
sleep 1
after=$(frames)
[ -f answered ] && fail "the server answered too early to tell"
[ -n "$before" ] && [ -n "$after" ] || fail "no stats lines"
[ "$after" -gt "$before" ] || fail "the frames stood still while sending: $before, then $after"
for _ in $(seq 50); do
    [ -f answered ] && break
    sleep 0.1
done
sleep 1
import -window "$window" "$shots/high-scores-after-sending.png"
key Escape        # the high-score table, back to the main menu
key Escape y
expect_exit 0
echo "PASS: $before frames when the request came, $after a second later, before the answer"
