#!/usr/bin/env bash
# Hears the game's sound cues for real: starts a private PulseAudio server whose default
# sink is a null sink, records that sink's monitor while play_cue sends a cue through the
# game's media control layer, and checks the recording.
#
#   audio_check.sh [PLAY_CUE] [DRIVE_C] [GAME]
#
# PLAY_CUE is the play_cue program (default $E2E_BUILD/tests/play_cue), DRIVE_C the folder
# that stands for drive c: (default $E2E_BUILD/drive_c); E2E_BUILD defaults to build/. Three runs are checked:
#   1. pull1.wav and 2. payoff.wav, each played to its end: the recording is not silent
#      and holds the cue sample for sample to its last sample (the output is neither
#      stopped early nor starved, and the format is right);
#   3. pull1.wav closed 200 ms after play: the sound stops there;
#   4. the real game under Xvfb: a press on the coin slot is heard (the recording of the
#      sink is not silent).
# If PulseAudio cannot start here, prints "SKIP: ..." and exits 0.
set -euo pipefail

build=${E2E_BUILD:-$(cd "$(dirname "$0")/../.." && pwd)/build}
play_cue=${1:-$build/tests/play_cue}
drive_c=${2:-$build/drive_c}
game=${3:-$build/zorvixia}
cut_after_ms=200

for tool in pulseaudio pactl pacat parecord python3; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed"
        exit 0
    fi
done
if [[ ! -x $play_cue ]]; then
    echo "FAIL: no play_cue program at $play_cue" >&2
    exit 1
fi
for cue in pull1.wav payoff.wav; do
    if [[ ! -f $drive_c/zorvix/$cue ]]; then
        echo "FAIL: no cue file at $drive_c/zorvix/$cue" >&2
        exit 1
    fi
done

source "$(dirname "$0")/../../scripts/private-pulse.sh"
work=$(mktemp -d)

silence_pid=
record_pid=
xvfb_pid=
game_pid=
cleanup() {
    set +e
    [[ -n $game_pid ]] && kill "$game_pid" 2>/dev/null && wait "$game_pid" 2>/dev/null
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    [[ -n $record_pid ]] && kill "$record_pid" 2>/dev/null && wait "$record_pid" 2>/dev/null
    [[ -n $silence_pid ]] && kill "$silence_pid" 2>/dev/null && wait "$silence_pid" 2>/dev/null
    private_pulse_stop
    rm -rf "$work"
}
trap cleanup EXIT

if ! private_pulse_start "$work" zorvix; then
    echo "SKIP: $PRIVATE_PULSE_FAILURE"
    exit 0
fi

# Records the sink into WAV while play_cue plays the cue FILE (named as the game names it),
# with the given extra arguments. A short recording latency makes the recorder receive
# everything before it is stopped.
record_cue() {
    local wav=$1 cue=$2
    shift 2
    parecord --latency-msec=20 --device=zorvix.monitor --file-format=wav --format=s16le --rate=44100 \
        --channels=1 "$wav" &
    record_pid=$!
    sleep 0.5
    if ! "$play_cue" "c:\\zorvix\\$cue" --data-root "$drive_c" "$@"; then
        echo "FAIL: play_cue could not play $cue"
        exit 1
    fi
    sleep 0.3
    kill -INT "$record_pid"
    wait "$record_pid" || true
    record_pid=
}

# A silent stream keeps the sink running, so a new stream starts at once; its short
# latency keeps the sink's own latency, and so the recorder's lag, short.
pacat --playback --latency-msec=20 --device=zorvix --format=s16le --rate=44100 --channels=1 </dev/zero &
silence_pid=$!

for cue in pull1.wav payoff.wav; do
    echo "== $cue to its end"
    record_cue "$work/full-$cue" "$cue" --wait 3500
done
echo "== pull1.wav closed after $cut_after_ms ms"
record_cue "$work/cut-pull1.wav" pull1.wav --wait 800 --cut-after "$cut_after_ms"

echo "== the game: a press on the coin slot"
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
read -r -t 10 display <"$work/display" || { echo "FAIL: no X server"; exit 1; }
export DISPLAY=":$display"
parecord --latency-msec=20 --device=zorvix.monitor --file-format=wav --format=s16le --rate=44100 \
    --channels=1 "$work/game-coin.wav" &
record_pid=$!
env -u QT_QPA_PLATFORM "$game" >"$work/game.log" 2>&1 &
game_pid=$!
window=
for _ in $(seq 200); do
    window=$(xdotool search --onlyvisible --name '^Form1$' 2>/dev/null | head -1 || true)
    [[ -n $window ]] && break
    sleep 0.1
done
[[ -n $window ]] || { echo "FAIL: the game's window did not appear"; cat "$work/game.log"; exit 1; }
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + 390)) $((Y + 35)) click 1
sleep 1.2
kill -INT "$record_pid"
wait "$record_pid" || true
record_pid=

python3 - "$drive_c/zorvix" "$work" "$cut_after_ms" <<'EOF'
import array
import math
import sys
import wave

AUDIBLE = 0.05       # -26 dBFS, as a fraction of full scale
TOLERANCE = 2        # sample values: the server mixes the cue with digital silence at 100 %
LATEST_START = 0.25  # seconds into the cue by which the recording must match sample for sample


def read_mono16(path):
    with wave.open(path, "rb") as w:
        if w.getsampwidth() != 2 or w.getnchannels() != 1:
            sys.exit(f"FAIL: {path} is not 16-bit mono")
        rate = w.getframerate()
        data = array.array("h", w.readframes(w.getnframes()))
    if sys.byteorder == "big":
        data.byteswap()
    return data, rate


def measure(samples, rate):
    if not samples:
        return 0.0, 0.0, 0.0
    rms = math.sqrt(sum(s * s for s in samples) / len(samples)) / 32768
    peak = max(abs(s) for s in samples) / 32768
    limit = AUDIBLE * 32768
    first = next((i for i, s in enumerate(samples) if abs(s) >= limit), None)
    if first is None:
        return rms, peak, 0.0
    last = len(samples) - 1 - next(i for i, s in enumerate(reversed(samples)) if abs(s) >= limit)
    return rms, peak, (last - first + 1) / rate


def db(value):
    return 20 * math.log10(value) if value > 0 else float("-inf")


def find_offset(cue, rec, at, length=400, step=8):
    """Where in the recording the cue's samples [at, at + length) lie, or None."""
    window = cue[at:at + length:step]
    for offset in range(-at, len(rec) - at - length):
        if all(abs(rec[at + offset + k * step] - v) <= TOLERANCE for k, v in enumerate(window)):
            return offset
    return None


def matching_stretch(cue, rec, offset, at):
    """The stretch of the cue, around `at`, that the recording holds sample for sample."""
    def same(i):
        return 0 <= i + offset < len(rec) and abs(rec[i + offset] - cue[i]) <= TOLERANCE
    first = at
    while first > 0 and same(first - 1):
        first -= 1
    last = at
    while last + 1 < len(cue) and same(last + 1):
        last += 1
    return first, last


cue_dir, work, cut_ms = sys.argv[1], sys.argv[2], int(sys.argv[3])
runs = [("pull1.wav", f"{work}/full-pull1.wav", None),
        ("payoff.wav", f"{work}/full-payoff.wav", None),
        ("pull1.wav", f"{work}/cut-pull1.wav", cut_ms)]
passed = failed = 0
for cue_name, path, cut in runs:
    cue, rate = read_mono16(f"{cue_dir}/{cue_name}")
    rec, rec_rate = read_mono16(path)
    name = f"{cue_name} closed after {cut} ms" if cut is not None else f"{cue_name} to its end"
    _, _, cue_span = measure(cue, rate)
    rms, peak, span = measure(rec, rec_rate)
    print(f"{name}: recorded {len(rec) / rec_rate:.2f} s, RMS {rms:.4f} ({db(rms):.1f} dBFS), "
          f"peak {db(peak):.1f} dBFS, audible for {span:.3f} s (the file: {cue_span:.3f} s of {len(cue) / rate:.3f} s)")
    problems = []
    if rec_rate != rate:
        problems.append(f"recorded at {rec_rate} Hz, the cue is {rate} Hz")
    if rms < 0.001:  # -60 dBFS
        problems.append("the recording is silent")
    if cut is None:
        # The recorder itself may join a few tens of milliseconds late; from then on the
        # cue must be there sample for sample, to its last sample.
        at = int(0.5 * rate)
        offset = find_offset(cue, rec, at)
        if offset is None:
            problems.append("the cue's samples are not in the recording")
        else:
            first, last = matching_stretch(cue, rec, offset, at)
            print(f"  sample for sample from {first / rate:.3f} s to {(last + 1) / rate:.3f} s of the cue")
            if first > LATEST_START * rate or last != len(cue) - 1:
                problems.append("the recording does not hold the cue to its end unchanged")
    elif span > cut / 1000 + 0.15:
        problems.append(f"the sound went on for {span:.3f} s")
    for problem in problems:
        print(f"FAIL: {name}: {problem}")
    if problems:
        failed += 1
    else:
        passed += 1

coin, coin_rate = read_mono16(f"{work}/game-coin.wav")
rms, peak, span = measure(coin, coin_rate)
print(f"the game's coin: recorded {len(coin) / coin_rate:.2f} s, RMS {rms:.4f} ({db(rms):.1f} dBFS), "
      f"peak {db(peak):.1f} dBFS, audible for {span:.3f} s")
if rms < 0.001 or span < 0.1:
    print("FAIL: the game's coin: the recording is silent")
    failed += 1
else:
    passed += 1
print(f"audio check: {passed} passed, {failed} failed")
sys.exit(1 if failed else 0)
EOF
