# Helpers for end-to-end tests: start the real game from its game directory
# on the X display the test runs under, send real key events, take
# screenshots and read what the game printed.
set -euo pipefail

GAME_DIR=$1
OUT_DIR=$2/$(basename "$0" .sh)
TOOLS_DIR=$3
rm -rf "$OUT_DIR"
mkdir -p "$OUT_DIR"
GAME_LOG=$OUT_DIR/stdout.log
GAME_PID=

# A private HOME so settings and saves of the test never touch the user's.
export HOME=$OUT_DIR/home
mkdir -p "$HOME"
# No sound card in test machines: OpenAL writes nothing audible.
export ALSOFT_DRIVERS=${ALSOFT_DRIVERS:-null}

fail() {
    echo "FAIL: $*"
    echo "--- game output (last 40 lines)"
    tail -n 40 "$GAME_LOG" 2>/dev/null || true
    exit 1
}

start_game() {
    (cd "$GAME_DIR" && exec ./velmora >"$GAME_LOG" 2>&1) &
    GAME_PID=$!
    trap 'kill $GAME_PID 2>/dev/null || true' EXIT
}

# wait_for_window: the id of the game's window once it is mapped.
wait_for_window() {
    local id=""
    for _ in $(seq 1 100); do
        id=$(xdotool search --name '^Velmora$' 2>/dev/null | head -n 1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

wait_for_output() {
    local text=$1 seconds=${2:-10}
    for _ in $(seq 1 $((seconds * 10))); do
        grep -qF -- "$text" "$GAME_LOG" 2>/dev/null && return 0
        sleep 0.1
    done
    fail "no line '$text' within ${seconds}s"
}

screenshot() {
    import -window root "$OUT_DIR/$1.png"
}

close_window() {
    "$TOOLS_DIR/close_window" "$WINDOW"
}

key() {
    xdotool key --window "$WINDOW" "$@"
}

# wait_for_exit SECONDS: the game's exit status once it ended.
wait_for_exit() {
    local seconds=$1
    for _ in $(seq 1 $((seconds * 10))); do
        if ! kill -0 "$GAME_PID" 2>/dev/null; then
            wait "$GAME_PID"
            return $?
        fi
        sleep 0.1
    done
    fail "the game did not end within ${seconds}s"
}
