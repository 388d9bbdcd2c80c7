# The main menu's Credits entry: the world's credits picture rises from
# below the screen, one pixel a tick, and the menu returns once it has
# scrolled past the top; Esc cuts the credits short.
source "$(dirname "$0")/lib.sh"

open_credits() {
    # The menu's cursor starts on Play; Credits is four steps right.
    for _ in 1 2 3 4; do
        key Right
        sleep 0.15
    done
    key Return
}

start_game
WINDOW=$(wait_for_window) || fail "no window titled Velmora"
sleep 0.5
key Return
sleep 0.5
key Return
sleep 1.5
window_shot menu
open_credits
sleep 1.5
window_shot credits_early
sleep 4
window_shot credits_later

# The picture enters at the bottom: early only the lower part of the screen
# holds it, four seconds later it reaches far higher.
for shot in credits_early credits_later; do
    convert "$OUT_DIR/$shot.png" -crop 800x256+0+0 +repage "$OUT_DIR/${shot}_upper.png"
done
[ "$(mean_of credits_early_upper)" = 1 ] || fail "the credits did not start below the screen"
less_than "$(mean_of credits_later_upper)" 0.995 || fail "the credits did not scroll up"
n=$(changed_pixels credits_early credits_later)
[ "$n" -gt 5000 ] || fail "the credits stood still ($n pixels changed)"

# The picture is 1584 pixels tall: it is gone after about 2123 ticks
# (35 s); at 30 s its lower part is still on screen.
sleep 24.5
window_shot credits_end
n=$(changed_pixels menu credits_end)
[ "$n" -gt 20000 ] || fail "the credits ended too early"
back=
for _ in $(seq 1 30); do
    sleep 1
    window_shot back_in_menu
    n=$(changed_pixels menu back_in_menu)
    [ "$n" -lt 20000 ] && { back=1; break; }
done
[ -n "$back" ] || fail "the main menu did not return after the credits ($n pixels differ)"

open_credits
sleep 3
window_shot credits_again
key Escape
sleep 1.5
window_shot after_escape
n=$(changed_pixels menu credits_again)
[ "$n" -gt 20000 ] || fail "the credits did not open again"
n=$(changed_pixels menu after_escape)
[ "$n" -lt 20000 ] || fail "Esc did not return to the main menu ($n pixels differ)"

close_window
status=0
wait_for_exit 10 || status=$?
[ "$status" -eq 0 ] || fail "exit status $status after the window closed"
echo "PASS"
