# After the logos and the title are skipped, the main menu fades in over its
# screen of labels; Esc in the main menu ends the program with status 0.
source "$(dirname "$0")/lib.sh"

start_at_main_menu
sleep 2
window_shot main_menu
kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended in the menu"

# The menu is the white page with dark labels; the fader has faded out.
less_than "$(mean_of main_menu)" 0.99 || fail "the main menu is blank"
less_than 0.6 "$(mean_of main_menu)" || fail "the main menu is still dark (fader not faded)"
convert "$OUT_DIR/main_menu.png" -crop 800x60+0+210 +repage "$OUT_DIR/labels.png"
less_than "$(mean_of labels)" 0.995 || fail "no labels in the menu row"

key Escape
status=0
wait_for_exit 10 || status=$?
[ "$status" -eq 0 ] || fail "exit status $status after Esc in the main menu"
echo "PASS"
