#!/usr/bin/env bash
# Builds the Debian package and checks it on a fresh Debian 12 system: a minimal bookworm
# root made with debootstrap from Debian's archive, the package installed into it with
# apt (which brings its dependencies), then the installed game started under Xvfb inside
# that root; its window must appear centred at 485 x 500, and a click on "X" must end it
# with status 0. Needs root (debootstrap, chroot, mounting /proc) and Debian's archive;
# takes a few minutes. Leaves a screenshot in build/package-check/.
# Usage: sudo scripts/package-check.sh [root-folder]   (default: a temporary folder)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out="$top/build/package-check"
root=${1:-$(mktemp -d /tmp/zorvixia-fresh.XXXXXX)}
mkdir -p "$out"

"$top/scripts/build.sh"
(cd "$top/build" && cpack >/dev/null)
deb=$(ls "$top"/build/zorvixia_*_amd64.deb | head -1)
command -v debootstrap >/dev/null || apt-get install -y debootstrap

cleanup() { mountpoint -q "$root/proc" && umount "$root/proc" || true; }
trap cleanup EXIT
[ -x "$root/usr/bin/apt-get" ] || debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian
mount -t proc proc "$root/proc"
cp "$deb" "$root/tmp/zorvixia.deb"
chroot "$root" bash -c 'apt-get update -q && apt-get install -y -q /tmp/zorvixia.deb xvfb x11-apps xdotool' >"$out/install.log"

cat >"$root/tmp/check.sh" <<'CHECK'
#!/bin/bash
set -u
Xvfb :9 -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=:9
sleep 1
for f in /usr/bin/zorvixia /usr/share/applications/zorvixia.desktop /usr/share/icons/hicolor/48x48/apps/zorvixia.png \
         /usr/share/zorvixia/drive_c/zorvix/insertcoin.au; do
  [ -e "$f" ] || { echo "FAIL: $f not installed"; exit 1; }
done
zorvixia >/tmp/game.log 2>&1 &
game=$!
id=
for _ in $(seq 100); do id=$(xdotool search --onlyvisible --name '^Form1$' 2>/dev/null | head -1); [ -n "$id" ] && break; sleep 0.1; done
[ -n "$id" ] || { echo "FAIL: no window"; cat /tmp/game.log; exit 1; }
geometry=$(xdotool getwindowgeometry "$id" | tr '\n' ' ')
echo "$geometry" | grep -q "Position: 269,134" && echo "$geometry" | grep -q "Geometry: 485x500" \
  || { echo "FAIL: window $geometry"; exit 1; }
sleep 1
xwd -root -silent >/tmp/screen.xwd
xdotool mousemove --window "$id" 476 9 click 1
for _ in $(seq 50); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
wait "$game"; status=$?
kill "$xvfb"
[ "$status" -eq 0 ] || { echo "FAIL: exit status $status"; exit 1; }
echo "PASS: installed, started ($geometry), quit with status 0"
CHECK
chmod +x "$root/tmp/check.sh"
chroot "$root" /tmp/check.sh
convert "$root/tmp/screen.xwd" -crop 485x500+269+134 +repage "$out/installed.png" 2>/dev/null || true
