# A Game.ini naming a world that is not there: the main menu finds no
# World.ini and the Error frame says so; Esc ends the program with status 0.
source "$(dirname "$0")/lib.sh"

private_game_dir "[General]
Portable Mode=1
Default World=No Such World
Menu Music=World/Music/Menu Theme.ogg"
start_game
WINDOW=$(wait_for_window) || fail "no window titled Velmora"
sleep 0.5
key Return
sleep 0.5
key Return
sleep 1
window_shot error
kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended before Esc"

# Dark red text on the white page, centred: the message's middle row is
# the darkest, the top and bottom rows are empty.
less_than "$(mean_of error)" 0.999 || fail "the error page is blank"
less_than 0.97 "$(mean_of error)" || fail "the error page is not the white page with a line of text"
convert "$OUT_DIR/error.png" -crop 800x40+0+236 +repage "$OUT_DIR/error_middle.png"
convert "$OUT_DIR/error.png" -crop 800x200+0+0 +repage "$OUT_DIR/error_top.png"
less_than "$(mean_of error_middle)" 0.99 || fail "no text in the middle of the screen"
[ "$(mean_of error_top)" = 1 ] || fail "something is drawn above the message"

key Escape
status=0
wait_for_exit 10 || status=$?
[ "$status" -eq 0 ] || fail "exit status $status after Esc"
echo "PASS"
