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
