# Shared helpers of the end-to-end checks: the real game on a private X server, driven by
# real input (xdotool) and looked at through screenshots (ImageMagick).
# Usage: source this file, then `e2e_start_x`, `e2e_start_game`; everything started is
# stopped on exit.

set -euo pipefail

E2E_BUILD=${E2E_BUILD:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../../build" && pwd)}
E2E_OUT=${E2E_OUT:-$E2E_BUILD/e2e-out}
mkdir -p "$E2E_OUT"
E2E_PIDS=()

e2e_cleanup() {
  for pid in "${E2E_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
}
trap e2e_cleanup EXIT

e2e_fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Starts Xvfb (1024 x 768) on a display it picks itself (so parallel checks never collide)
# and exports DISPLAY. -noreset: by default the server resets when its last client leaves,
# and a client connecting during the reset (the game, just after a probe) is refused.
e2e_start_x() {
  local fifo="$E2E_OUT/display.$$" n=""
  rm -f "$fifo"
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
  E2E_PIDS+=($!)
  read -r -t 10 n <"$fifo" || true
  rm -f "$fifo"
  [ -n "$n" ] || e2e_fail "no X server could be started"
  export DISPLAY=":$n"
  for _ in $(seq 50); do
    xdpyinfo >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  e2e_fail "the X server on $DISPLAY does not answer"
}

# Starts the game (extra environment can be passed as VAR=value arguments) and waits for
# its main window; sets E2E_GAME_PID and E2E_MAIN_WIN.
e2e_start_game() {
  env -u QT_QPA_PLATFORM "$@" "$E2E_BUILD/zorvixia" >"$E2E_OUT/game.log" 2>&1 &
  E2E_GAME_PID=$!
  E2E_PIDS+=("$E2E_GAME_PID")
  E2E_MAIN_WIN=$(e2e_wait_window Form1) || e2e_fail "the main window did not appear"
}

# Prints the id of the visible window with this exact title, waiting up to 20 s.
e2e_wait_window() {
  local id
  for _ in $(seq 200); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# Prints "x y width height" of a window.
e2e_geometry() {
  local x y w h
  eval "$(xdotool getwindowgeometry --shell "$1")"
  echo "$X $Y $WIDTH $HEIGHT"
}

# Clicks at a point of a window's client area: e2e_click WINDOW X Y [BUTTON]
e2e_click() {
  local win=$1 x=$2 y=$3 button=${4:-1} gx gy gw gh
  read -r gx gy gw gh < <(e2e_geometry "$win")
  xdotool mousemove $((gx + x)) $((gy + y)) click "$button"
  sleep 0.15
}

# Saves a screenshot of the whole screen: e2e_shot NAME (writes $E2E_OUT/NAME.png)
e2e_shot() {
  import -window root "$E2E_OUT/$1.png"
}

# Prints the colour of a screen pixel as "r g b": e2e_pixel FILE X Y
e2e_pixel() {
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r)] %[fx:int(255*p{$2,$3}.g)] %[fx:int(255*p{$2,$3}.b)]" info:
}

# Waits up to 5 s for a process of ours to end and sets E2E_EXIT to its exit status, or to
# "running" if it has not ended (not a command substitution: only this shell can wait for
# its own children): e2e_wait_exit PID
e2e_wait_exit() {
  for _ in $(seq 50); do
    kill -0 "$1" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$1" 2>/dev/null; then
    E2E_EXIT=running
    return 0
  fi
  wait "$1" && E2E_EXIT=0 || E2E_EXIT=$?
}
