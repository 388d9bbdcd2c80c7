# The options menu cycles the quality and toggles fullscreen, writing
# Settings.ini in the per-user directory at once; Esc leads back.
source "$(dirname "$0")/lib.sh"

SETTINGS=$HOME/.Tarrowin/Velmora/Settings.ini
start_at_main_menu
sleep 1.5
key Right Right
sleep 0.3
key Return
sleep 0.5
key Return
sleep 0.3
grep -qx "Quality=1" "$SETTINGS" || fail "Quality=1 not written: $(cat "$SETTINGS" 2>&1)"
key Return
sleep 0.3
grep -qx "Quality=2" "$SETTINGS" || fail "Quality=2 not written"
key Right
sleep 0.2
key Return
sleep 0.5
grep -qx "Fullscreen=1" "$SETTINGS" || fail "Fullscreen=1 not written"
window_shot options
less_than "$(mean_of options)" 0.99 || fail "the options menu is blank"
key Escape
sleep 0.5
window_shot back_in_main_menu
key Escape
status=0
wait_for_exit 10 || status=$?
[ "$status" -eq 0 ] || fail "exit status $status"
echo "PASS"
