# Shared by the smoke tests: starts the game and finds its window. Sourced, not run.

# start_game <binary>: sets pid and window, or fails. A busy machine can take a while to open a
# window, so it waits up to 30 s.
start_game() {
    "$1" &
    pid=$!
    window=""
    for _ in $(seq 300); do
        window=$(xdotool search --name '^Zorvex$' 2>/dev/null | head -n 1 || true)
        [ -n "$window" ] && return 0
        kill -0 "$pid" 2>/dev/null || fail "the game ended before opening its window"
        sleep 0.1
    done
    fail "no window titled Zorvex"
}

fail() {
    echo "FAIL: $*"
    [ -n "${pid:-}" ] && kill -KILL "$pid" 2>/dev/null
    exit 1
}

# enter_fresh_folder <binary>: makes a working folder with the game's data beside binary and no
# saved files, removed at exit, and changes into it. Sets work.
enter_fresh_folder() {
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    mkdir -p "$work/Data"
    cp -r "$(dirname "$1")/Data/Res" "$(dirname "$1")/Data/Music" "$work/Data/"
    cd "$work" || fail "cannot enter $work"
}

# open_game <binary>: the game started in a fresh working folder (enter_fresh_folder), its window
# found and given the keyboard.
open_game() {
    enter_fresh_folder "$1"
    start_game "$1"
    activate_window
}

# key <keys...>: presses and releases each key as a player does, then gives the game a moment.
key() {
    xdotool key --window "$window" --delay 120 "$@"
    sleep 0.5
}

# activate_window: gives the game's window the keyboard.
activate_window() {
    xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
}

# expect_exit <status>: waits up to 5 s for the game to end, and fails unless it ended with status.
expect_exit() {
    for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && fail "the game is still running"
    local status=0
    wait "$pid" || status=$?
    [ "$status" -eq "$1" ] || fail "exit status $status, not $1"
}

# write_low_table <country>: saved files in the working folder whose table holds ten entries "LOW"
# scoring -1 .. -10, so that a race left at once (score 0) enters it, and options (music off) with
# the country line as given and the table's check text (see docs/saved-files.md).
write_low_table() {
    mkdir -p Data/Save
    COUNTRY="$1" python3 - <<'PY'
import os
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
    country = os.environ["COUNTRY"].encode()
    options.write(b"0\r\n0\r\n1\r\n" + country + b"\r\n0\r\n12\r\n" + bytes(text) + b"\r\n")
PY
}

# reach_send_question <name>: from the main menu a race is started and left at once, and name is
# typed in the name entry; "Send the result to World's Highscores page?" is open. The saved table
# must take a score of 0 (write_low_table).
reach_send_question() {
    sleep 2           # the intro
    key Return        # ship selection
    key Return        # start
    sleep 2.5         # the level caption
    key Escape y      # "Exit to menu?" Yes
    xdotool type --window "$window" --delay 80 "$1"
    key Return        # the name
}
