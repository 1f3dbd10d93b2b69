#!/usr/bin/env bash
# The theme selector and the help window, driven through the real game:
# - the toggle under the reels shows the selector docked at the machine's right edge, one
#   pixel below its top; choosing Skulls there and pulling puts skulls in all nine cells;
# - the selector's "X" hides it, and the toggle docks it again with Skulls still chosen;
# - HELP shows the help window at (10, 10) on the payout table; after switching to the
#   "Help" page, closing the window and pressing HELP again, the "Help" page is shown.
source "$(dirname "$0")/lib.sh"
ART=${E2E_ART:-$E2E_BUILD/art}
[ -d "$ART" ] || e2e_fail "no pictures in $ART"

e2e_start_x
e2e_start_game

# Presses and releases a mouse button at a client point without a click's short timing:
# e2e_press_release WINDOW X Y
e2e_press_release() {
  local gx gy gw gh
  read -r gx gy gw gh < <(e2e_geometry "$1")
  xdotool mousemove $((gx + $2)) $((gy + $3)) mousedown 1
  sleep 0.2
  xdotool mouseup 1
  sleep 0.15
}

# Clicks like e2e_click, after giving the window the keyboard focus as a window manager's
# click-to-focus would (the test display has no window manager).
focus_click() {
  xdotool windowfocus --sync "$1" 2>/dev/null || true
  e2e_click "$@"
}

# Prints the id of the visible window with this exact name, or nothing.
visible_window() {
  xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 || true
}

# Waits until the named window is hidden (up to 5 s).
wait_hidden() {
  for _ in $(seq 50); do
    [ -z "$(visible_window "$1")" ] && return 0
    sleep 0.1
  done
  return 1
}

# Asks a window to close as its title bar's close button does (WM_DELETE_WINDOW); the test
# display has no window manager to draw that button.
close_window() {
  python3 - "$1" <<'PY'
import ctypes, sys
x = ctypes.cdll.LoadLibrary("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XOpenDisplay.argtypes = [ctypes.c_char_p]
x.XInternAtom.restype = ctypes.c_ulong
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]
class Event(ctypes.Union):
    _fields_ = [("message", ClientMessage), ("pad", ctypes.c_long * 24)]
x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.POINTER(Event)]
d = x.XOpenDisplay(None)
window = int(sys.argv[1])
e = Event()
e.message.type = 33  # ClientMessage
e.message.window = window
e.message.message_type = x.XInternAtom(d, b"WM_PROTOCOLS", 0)
e.message.format = 32
e.message.data[0] = x.XInternAtom(d, b"WM_DELETE_WINDOW", 0)
x.XSendEvent(d, window, 0, 0, ctypes.byref(e))
x.XFlush.argtypes = [ctypes.c_void_p]
x.XFlush(d)
PY
}

# Succeeds when the 105 x 65 area at screen (X, Y) of a screenshot equals one of a theme's
# nine pictures: cell_shows_theme FILE X Y THEME
cell_shows_theme() {
  local crop="$E2E_OUT/cell.png" k
  convert "$1" -crop "105x65+$2+$3" +repage "$crop"
  for k in $(seq 0 8); do
    [ "$(compare -metric AE -fuzz 2% "$crop" "$ART/themes/$4/$k.png" null: 2>&1 || true)" = "0" ] && return 0
  done
  return 1
}

read -r mx my mw mh < <(e2e_geometry "$E2E_MAIN_WIN")
[ "$mx $my $mw $mh" = "269 134 485 500" ] || e2e_fail "main window at $mx,$my ${mw}x$mh"

# The toggle (fcImageBtn1, 44 x 11 at 220, 347) docks the selector.
[ -z "$(visible_window StyleForm)" ] || e2e_fail "the selector is shown at start-up"
focus_click "$E2E_MAIN_WIN" 242 352
SELECTOR=$(e2e_wait_window StyleForm) || e2e_fail "the toggle did not show the selector"
read -r sx sy sw sh < <(e2e_geometry "$SELECTOR")
[ "$sx $sy $sw $sh" = "754 135 119 495" ] || e2e_fail "selector at $sx,$sy ${sw}x$sh, not docked at 754,135"
sleep 0.3
e2e_shot selector_shown

# Skulls: the sixth button, its face at bar client top 326, the bar's client at (10, 31).
e2e_click "$SELECTOR" 60 390
sleep 0.5
e2e_shot selector_skulls
# Down, the button's face is a checkerboard: two neighbouring pixels near its top-left
# corner (outside the glyph's subject) differ, while an up button's do not.
a=$(e2e_pixel "$E2E_OUT/selector_skulls.png" $((sx + 14)) $((sy + 31 + 325 + 4)))
b=$(e2e_pixel "$E2E_OUT/selector_skulls.png" $((sx + 15)) $((sy + 31 + 325 + 4)))
[ "$a" != "$b" ] || e2e_fail "Skulls is not drawn down ($a / $b)"
a=$(e2e_pixel "$E2E_OUT/selector_skulls.png" $((sx + 14)) $((sy + 31 + 4)))
b=$(e2e_pixel "$E2E_OUT/selector_skulls.png" $((sx + 15)) $((sy + 31 + 4)))
[ "$a" = "$b" ] || e2e_fail "Fruit is still drawn down ($a / $b)"

# Pull: press and release SPIN; the cells stop one second after the release.
e2e_press_release "$E2E_MAIN_WIN" 243 474
sleep 2
e2e_shot pulled_skulls
for col in 38 190 342; do
  for row in 82 172 262; do
    cell_shows_theme "$E2E_OUT/pulled_skulls.png" $((mx + col)) $((my + row)) 5 \
      || e2e_fail "cell at $col,$row does not show a skull"
  done
done

# "X" hides the selector; the toggle docks it again, with Skulls still chosen.
e2e_click "$SELECTOR" 115 6
wait_hidden StyleForm || e2e_fail "X did not hide the selector"
focus_click "$E2E_MAIN_WIN" 242 352
SELECTOR=$(e2e_wait_window StyleForm) || e2e_fail "the toggle did not show the selector again"
read -r sx sy sw sh < <(e2e_geometry "$SELECTOR")
[ "$sx $sy" = "754 135" ] || e2e_fail "selector re-shown at $sx,$sy"
sleep 0.3
e2e_shot selector_again
a=$(e2e_pixel "$E2E_OUT/selector_again.png" $((sx + 14)) $((sy + 31 + 325 + 4)))
b=$(e2e_pixel "$E2E_OUT/selector_again.png" $((sx + 15)) $((sy + 31 + 325 + 4)))
[ "$a" != "$b" ] || e2e_fail "Skulls is no longer chosen after hiding"

# HELP shows the help window at (10, 10), on the payout table.
focus_click "$E2E_MAIN_WIN" 397 473
HELPWIN=$(e2e_wait_window Help) || e2e_fail "HELP did not show the help window"
read -r hx hy hw hh < <(e2e_geometry "$HELPWIN")
[ "$hx $hy $hw $hh" = "10 10 912 700" ] || e2e_fail "help window at $hx,$hy ${hw}x$hh"
sleep 0.5
e2e_shot help_payout
# The page area starts at (4, 24); the grid's first picture (birds, symbol 1) at (16, 16)
# of the page, the skull column's symbol 0 at (576, 591).
cell_shows_theme "$E2E_OUT/help_payout.png" $((hx + 4 + 16)) $((hy + 24 + 16)) 0 \
  || e2e_fail "the payout table does not show the bird theme's first picture"
convert "$E2E_OUT/help_payout.png" -crop "105x65+$((hx + 4 + 576))+$((hy + 24 + 591))" +repage "$E2E_OUT/cell.png"
[ "$(compare -metric AE -fuzz 2% "$E2E_OUT/cell.png" "$ART/themes/5/0.png" null: 2>&1 || true)" = "0" ] \
  || e2e_fail "the payout table's last skull is not symbol 0"

# Switch to the "Help" page with the keyboard (the tab row has the focus), close, show again.
xdotool mousemove $((hx + 450)) $((hy + 350))
xdotool key ctrl+Tab
sleep 0.5
e2e_shot help_page
# The machine picture lies at (192, 88) of the page: its top-left corner is white there,
# where the payout page shows its near-black gradient.
read -r r g b <<<"$(e2e_pixel "$E2E_OUT/help_page.png" $((hx + 4 + 192 + 1)) $((hy + 24 + 88 + 1)))"
[ "$r" -gt 200 ] || e2e_fail "the Help page is not shown ($r $g $b)"
close_window "$HELPWIN"
wait_hidden Help || e2e_fail "closing did not hide the help window"
focus_click "$E2E_MAIN_WIN" 397 473
HELPWIN=$(e2e_wait_window Help) || e2e_fail "HELP did not show the help window again"
sleep 0.5
e2e_shot help_again
read -r r g b <<<"$(e2e_pixel "$E2E_OUT/help_again.png" $((hx + 4 + 192 + 1)) $((hy + 24 + 88 + 1)))"
[ "$r" -gt 200 ] || e2e_fail "the Help page was not kept ($r $g $b)"

echo "PASS: selector_help"
