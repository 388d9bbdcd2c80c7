# Without a display to open a window on, the program says so and ends with
# a failure status instead of quietly reporting success.
source "$(dirname "$0")/lib.sh"

status=0
(cd "$GAME_DIR" && DISPLAY=:0.99 timeout 60 ./velmora >"$GAME_LOG" 2>&1) || status=$?
[ "$status" -eq 1 ] || fail "exit status $status, expected 1"
grep -qF "Could not open the window. Quitting..." "$GAME_LOG" || fail "no message about the window"
echo "PASS"
