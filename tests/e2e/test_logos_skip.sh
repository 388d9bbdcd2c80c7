# Esc during the logos skips to the title and does not end the program;
# Space then skips the title to the main menu.
source "$(dirname "$0")/lib.sh"

start_game
WINDOW=$(wait_for_window) || fail "no window titled Velmora"
sleep 0.8
window_shot logo
key Escape
sleep 0.3
window_shot title
kill -0 "$GAME_PID" 2>/dev/null || fail "Esc during the logos ended the program"
key space
sleep 1.5
window_shot menu

# The title's first moments are the white page with its glints: far from
# the logo, and far brighter than the menu.
n=$(changed_pixels logo title)
[ "$n" -gt 2000 ] || fail "Esc left the logo on screen ($n pixels changed)"
less_than 0.97 "$(mean_of title)" || fail "no title page after Esc (mean $(mean_of title))"
less_than "$(mean_of menu)" 0.9 || fail "Space did not open the main menu (mean $(mean_of menu))"

close_window
status=0
wait_for_exit 10 || status=$?
[ "$status" -eq 0 ] || fail "exit status $status after the window closed"
echo "PASS"
