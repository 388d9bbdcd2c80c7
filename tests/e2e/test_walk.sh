# A new game in the default world: holding Right walks the alchemist across
# the right edge of the start screen onto its neighbour, holding Left walks
# him back. The window shows the neighbour while he is there and the start
# screen again afterwards.
source "$(dirname "$0")/lib.sh"

start_at_main_menu
sleep 1.5
key Return
sleep 0.5
key Return
wait_for_output "Loading ./World/Settings/Default Savegame.ini (Savegame Ini)" 10
sleep 1
window_shot start

# walk_until NAME KEY WANT: holds KEY until the window shows another screen
# than the start (WANT other: more than 30000 pixels differ; neighbouring
# screens differ by about 50000) or the start screen again (WANT same: fewer
# than 12000, what the alchemist and the scenery move); NAME.png is the last
# picture.
walk_until() {
    local name=$1 held=$2 want=$3 changed
    xdotool keydown --window "$WINDOW" "$held"
    for _ in $(seq 1 60); do
        sleep 0.5
        window_shot "$name"
        changed=$(changed_pixels start "$name")
        if [ "$want" = other ] && ! less_than "$changed" 30000; then
            xdotool keyup --window "$WINDOW" "$held"
            return 0
        fi
        if [ "$want" = same ] && less_than "$changed" 12000; then
            xdotool keyup --window "$WINDOW" "$held"
            return 0
        fi
    done
    xdotool keyup --window "$WINDOW" "$held"
    return 1
}

walk_until neighbour Right other || fail "holding Right never showed another screen"
sleep 1
window_shot neighbour
less_than "$(changed_pixels start neighbour)" 30000 && fail "the neighbour screen looks like the start screen"
walk_until back Left same || fail "holding Left never brought the start screen back"
kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended while walking"

close_window
status=0
wait_for_exit 10 || status=$?
[ "$status" -eq 0 ] || fail "exit status $status after the window closed"
echo "PASS"
