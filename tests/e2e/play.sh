#!/usr/bin/env bash
# A real spin with real input: while SPIN is held the cells animate and the plate is lit;
# a second after the release they stand still.
source "$(dirname "$0")/lib.sh"
e2e_start_x
e2e_start_game
sleep 0.5
read -r gx gy _ _ < <(e2e_geometry "$E2E_MAIN_WIN")

# Region of the screen a control covers: crop geometry for ImageMagick.
cells="415x245+$((gx + 38))+$((gy + 82))"
spin="96x32+$((gx + 195))+$((gy + 458))"
differs() { # differs FILE1 FILE2 CROP: whether the two screenshots differ in that region
  convert "$1" -crop "$3" +repage "$E2E_OUT/a.png"
  convert "$2" -crop "$3" +repage "$E2E_OUT/b.png"
  local d
  d=$(compare -metric AE "$E2E_OUT/a.png" "$E2E_OUT/b.png" null: 2>&1 || true)
  case "$d" in
    ''|*[!0-9.e+]*) e2e_fail "could not compare screenshots: $d" ;;
  esac
  [ "$d" != 0 ]
}

e2e_shot idle
xdotool mousemove $((gx + 243)) $((gy + 474)) mousedown 1
sleep 0.3
e2e_shot held1
sleep 0.15
e2e_shot held2
differs "$E2E_OUT/held1.png" "$E2E_OUT/held2.png" "$cells" || e2e_fail "the cells do not animate while SPIN is held"
differs "$E2E_OUT/idle.png" "$E2E_OUT/held1.png" "$spin" || e2e_fail "the SPIN plate is not lit while held"
sleep 1.2
e2e_shot still-held
differs "$E2E_OUT/held2.png" "$E2E_OUT/still-held.png" "$cells" || e2e_fail "the cells stopped while SPIN was still held"
xdotool mouseup 1
sleep 1.5
e2e_shot stopped1
sleep 0.3
e2e_shot stopped2
differs "$E2E_OUT/stopped1.png" "$E2E_OUT/stopped2.png" "$cells" && e2e_fail "the cells still move a second after the release"
kill -0 "$E2E_GAME_PID" || e2e_fail "the game ended"

# "X" ends the game at once, also while the reels spin.
xdotool mousemove $((gx + 243)) $((gy + 474)) click 1
sleep 0.3
e2e_click "$E2E_MAIN_WIN" 476 9
e2e_wait_exit "$E2E_GAME_PID"
status=$E2E_EXIT
[ "$status" != running ] || e2e_fail "the game still runs after X during a spin"
[ "$status" -eq 0 ] || e2e_fail "exit status $status after X during a spin"
echo "PASS: play"
