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

# private_game_dir GAME_INI: a game directory of this test's own, linking
# everything of the built one but its Game.ini, which holds GAME_INI.
private_game_dir() {
    local dir=$OUT_DIR/game entry
    mkdir -p "$dir"
    for entry in "$GAME_DIR"/*; do
        [ "$(basename "$entry")" = Game.ini ] || ln -s "$(realpath "$entry")" "$dir/"
    done
    printf '%s\n' "$1" >"$dir/Game.ini"
    GAME_DIR=$dir
}

# window_shot NAME: the game window alone (800 x 512), as NAME.png.
window_shot() {
    import -window "$WINDOW" "$OUT_DIR/$1.png"
}

# mean_of NAME: the mean brightness of a screenshot, 0 (black) to 1 (white).
mean_of() {
    convert "$OUT_DIR/$1.png" -colorspace Gray -format '%[fx:mean]' info:
}

# changed_pixels A B: how many pixels of two screenshots differ visibly.
changed_pixels() {
    compare -fuzz 8% -metric AE "$OUT_DIR/$1.png" "$OUT_DIR/$2.png" null: 2>&1 | cut -d' ' -f1 || true
}

# less_than A B: true when the number A is below B.
less_than() {
    awk -v a="$1" -v b="$2" 'BEGIN { exit !(a < b) }'
}

# Starts the game, skips the logos and the title with Esc and waits until
# the main menu has checked the world; WINDOW is the game's window.
start_at_main_menu() {
    start_game
    WINDOW=$(wait_for_window) || fail "no window titled Velmora"
    wait_for_output "Loading .//World/World.ini (World.ini)"
    sleep 0.5
    key Escape
    sleep 0.5
    key Escape
    wait_for_output "Loading ./World/World.ini (Level Ini)"
}
