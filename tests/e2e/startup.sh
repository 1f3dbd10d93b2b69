#!/usr/bin/env bash
# The game starts with only its main window, centred and frameless, and "X" ends it with
# status 0.
source "$(dirname "$0")/lib.sh"
e2e_start_x
e2e_start_game

read -r x y w h < <(e2e_geometry "$E2E_MAIN_WIN")
[ "$w $h" = "485 500" ] || e2e_fail "main window is ${w}x$h"
[ "$x $y" = "269 134" ] || e2e_fail "main window at $x,$y, not centred on the 1024x768 screen"
visible=$(xdotool search --onlyvisible --pid "$E2E_GAME_PID" 2>/dev/null | wc -l)
[ "$visible" -eq 1 ] || e2e_fail "$visible windows shown at start-up"
sleep 0.5
e2e_shot startup

e2e_click "$E2E_MAIN_WIN" 476 9
e2e_wait_exit "$E2E_GAME_PID"
status=$E2E_EXIT
[ "$status" != running ] || e2e_fail "the game is still running after X"
[ "$status" -eq 0 ] || e2e_fail "exit status $status"
echo "PASS: startup"
