# The logos show in turn on the white page, the title's faders uncover the
# title, and Enter during the title opens the main menu before the title's
# own seven seconds are over.
source "$(dirname "$0")/lib.sh"

start_game
WINDOW=$(wait_for_window) || fail "no window titled Velmora"
# The logos change at 1.5 s and 3 s; the title starts at 4.5 s.
sleep 0.8
window_shot logo1
sleep 1.5
window_shot logo2
sleep 1.5
window_shot logo3
sleep 1.2
window_shot title_start
sleep 2.6
window_shot title_later
key Return
sleep 0.6
window_shot after_enter

for shot in logo1 logo2 logo3 title_start title_later; do
    less_than 0.85 "$(mean_of $shot)" || fail "$shot is not a white page (mean $(mean_of $shot))"
done
for pair in "logo1 logo2" "logo2 logo3" "logo1 logo3" "logo3 title_start"; do
    set -- $pair
    n=$(changed_pixels "$1" "$2")
    [ "$n" -gt 2000 ] || fail "$1 and $2 differ in only $n pixels"
done
less_than "$(mean_of title_later)" "$(mean_of title_start)" ||
    fail "the title did not come out from under its fader"
less_than "$(mean_of after_enter)" "$(awk -v m="$(mean_of title_later)" 'BEGIN { print m - 0.05 }')" ||
    fail "Enter did not open the main menu (mean $(mean_of after_enter))"
kill -0 "$GAME_PID" || fail "the game ended"

close_window
status=0
wait_for_exit 10 || status=$?
[ "$status" -eq 0 ] || fail "exit status $status after the window closed"
echo "PASS"
