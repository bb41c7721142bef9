# Shared by the smoke tests: starts the game and finds its window. Sourced, not run.

# start_game <binary>: sets pid and window, or fails.
start_game() {
    "$1" &
    pid=$!
    window=""
    for _ in $(seq 100); do
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
