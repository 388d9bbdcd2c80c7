# Play opens the slot menu; Enter on slot 1 (no save yet) loads the world's
# level data and rules, fades out and enters the gameplay frame, which
# starts the new game from the world's default savegame.
source "$(dirname "$0")/lib.sh"

start_at_main_menu
sleep 1.5
key Return
sleep 0.5
window_shot slot_menu
less_than "$(mean_of slot_menu)" 0.99 || fail "the slot menu is blank"
key Return
wait_for_output "Loading ./World/Levels/Surface.ini (Level Ini)"
wait_for_output "Loading ./World/Levels/Sound.ini (Level Ini)"
wait_for_output "Loading ./World/Settings/Powers.ini (Powers.ini)"
wait_for_output "Loading ./World/Settings/Default Savegame.ini (Savegame Ini)" 10
sleep 1
window_shot gameplay
kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended after the menu"
grep -qF "INI load failed (./World/" "$GAME_LOG" && fail "a world file failed to load"
[ ! -e "$HOME/.Tarrowin/Velmora/Velmora developers - Velmora/Slot 1.ini" ] ||
    fail "a new game wrote its slot before saving"
[ -d "$HOME/.Tarrowin/Velmora" ] || fail "no settings directory under HOME"

close_window
status=0
wait_for_exit 10 || status=$?
[ "$status" -eq 0 ] || fail "exit status $status after the window closed"
echo "PASS"
