#!/usr/bin/env bash
# Without its coin sound the game does not start: one "Application Error" box, no game
# window, exit status 1.
source "$(dirname "$0")/lib.sh"
e2e_start_x

# A copy of the game beside a data folder that lacks the coin sound.
game=$(mktemp -d)
E2E_PIDS+=()
trap 'e2e_cleanup; rm -rf "$game"' EXIT
cp "$E2E_BUILD/zorvixia" "$game/"
mkdir -p "$game/drive_c/zorvix"
cp "$E2E_BUILD"/drive_c/zorvix/{bleep1.mp3,pull1.wav,payoff.wav} "$game/drive_c/zorvix/"

env -u QT_QPA_PLATFORM "$game/zorvixia" >"$E2E_OUT/game.log" 2>&1 &
pid=$!
box=$(e2e_wait_window "Application Error") || e2e_fail "no Application Error box"
xdotool search --onlyvisible --name '^Form1$' >/dev/null 2>&1 && e2e_fail "a game window is shown"
e2e_shot startup-failure
xdotool windowactivate --sync "$box" key Return 2>/dev/null || xdotool key Return
e2e_wait_exit "$pid"
status=$E2E_EXIT
[ "$status" != running ] || e2e_fail "the game is still running after the box"
[ "$status" -eq 1 ] || e2e_fail "exit status $status, not 1"
echo "PASS: startup_failure"
