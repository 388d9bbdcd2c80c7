# The real program opens its 800 x 512 window titled "Velmora", runs its main
# loop with the timing lines, and ends with status 0 when the window closes.
source "$(dirname "$0")/lib.sh"

start_game
WINDOW=$(wait_for_window) || fail "no window titled Velmora"
geometry=$(xdotool getwindowgeometry "$WINDOW" | grep Geometry | awk '{print $2}')
[ "$geometry" = "800x512" ] || fail "window is $geometry, not 800x512"
wait_for_output "Framerate: "
wait_for_output "Event update took "
wait_for_output "Draw took "
sleep 4
passes=$(grep -c "^Draw took " "$GAME_LOG")
[ "$passes" -ge 2 ] || fail "only $passes timing reports after several seconds"
screenshot window
close_window
status=0
wait_for_exit 10 || status=$?
[ "$status" -eq 0 ] || fail "exit status $status after the window closed"
echo "PASS"
