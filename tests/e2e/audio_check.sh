#!/usr/bin/env bash
# Hears the game's sound cues for real: starts a private PulseAudio server whose default
# sink is a null sink, records that sink's monitor while play_cue sends a cue through the
# game's media control layer, and checks the recording.
#
#   audio_check.sh [PLAY_CUE] [DRIVE_C]
#
# PLAY_CUE is the play_cue program (default build/tests/e2e/play_cue), DRIVE_C the folder
# that stands for drive c: (default build/drive_c). Two runs are checked:
#   1. pull1.wav played to its end: the recording is not silent, and its audible stretch
#      is as long as the cue's own (the output is not stopped early);
#   2. pull1.wav closed 200 ms after play: the sound stops there.
# If PulseAudio cannot start here, prints "SKIP: ..." and exits 0.
set -euo pipefail

top=$(cd "$(dirname "$0")/../.." && pwd)
play_cue=${1:-$top/build/tests/e2e/play_cue}
drive_c=${2:-$top/build/drive_c}
cue='c:\zorvix\pull1.wav'
cue_file=$drive_c/zorvix/pull1.wav
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
if [[ ! -f $cue_file ]]; then
    echo "FAIL: no cue file at $cue_file" >&2
    exit 1
fi

work=$(mktemp -d)
# A private server: its own home, runtime folder and socket, nothing shared with a
# session's own sound server.
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime
unset PULSE_SERVER PULSE_RUNTIME_PATH PULSE_COOKIE PULSE_SINK
mkdir -m 0700 "$HOME" "$XDG_RUNTIME_DIR"

silence_pid=
record_pid=
cleanup() {
    set +e
    [[ -n $record_pid ]] && kill "$record_pid" 2>/dev/null && wait "$record_pid" 2>/dev/null
    [[ -n $silence_pid ]] && kill "$silence_pid" 2>/dev/null && wait "$silence_pid" 2>/dev/null
    pulseaudio --kill 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

if ! pulseaudio -D --exit-idle-time=-1 --system=false --log-target="file:$work/pulse.log" 2>"$work/pulse.err"; then
    echo "SKIP: PulseAudio did not start: $(tail -n 3 "$work/pulse.err" "$work/pulse.log" 2>/dev/null | tr '\n' ' ')"
    exit 0
fi
ready=
for _ in $(seq 50); do
    if pactl info >/dev/null 2>&1; then
        ready=1
        break
    fi
    sleep 0.1
done
if [[ -z $ready ]]; then
    echo "SKIP: PulseAudio started but does not answer"
    exit 0
fi
pactl load-module module-null-sink sink_name=zorvix >/dev/null
pactl set-default-sink zorvix

# Records the sink while play_cue runs with the given extra arguments.
record_cue() {
    local wav=$1
    shift
    parecord --device=zorvix.monitor --file-format=wav --format=s16le --rate=44100 --channels=1 "$wav" &
    record_pid=$!
    sleep 0.5
    "$play_cue" "$cue" --data-root "$drive_c" "$@"
    sleep 0.3
    kill -INT "$record_pid"
    wait "$record_pid" || true
    record_pid=
}

# A silent stream keeps the sink running, so a new stream starts at once.
pacat --playback --device=zorvix --format=s16le --rate=44100 --channels=1 </dev/zero &
silence_pid=$!

echo "== full cue"
record_cue "$work/full.wav" --wait 1800
echo "== cue closed after $cut_after_ms ms"
record_cue "$work/cut.wav" --wait 800 --cut-after "$cut_after_ms"

python3 - "$cue_file" "$work/full.wav" "$work/cut.wav" "$cut_after_ms" <<'EOF'
import array
import math
import sys
import wave

AUDIBLE = 0.05  # -26 dBFS, as a fraction of full scale


def read_mono16(path):
    with wave.open(path, "rb") as w:
        if w.getsampwidth() != 2:
            sys.exit(f"FAIL: {path} is not 16-bit")
        rate, channels = w.getframerate(), w.getnchannels()
        data = array.array("h", w.readframes(w.getnframes()))
    if sys.byteorder == "big":
        data.byteswap()
    return [s / 32768.0 for s in data[::channels]], rate


def measure(path):
    samples, rate = read_mono16(path)
    if not samples:
        sys.exit(f"FAIL: {path} holds no samples")
    rms = math.sqrt(sum(s * s for s in samples) / len(samples))
    peak = max(abs(s) for s in samples)
    loud = [i for i, s in enumerate(samples) if abs(s) >= AUDIBLE]
    span = (loud[-1] - loud[0] + 1) / rate if loud else 0.0
    return rms, peak, span, len(samples) / rate


def db(value):
    return 20 * math.log10(value) if value > 0 else float("-inf")


cue_path, full_path, cut_path, cut_ms = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])
_, _, cue_span, cue_len = measure(cue_path)
failures = []
for name, path in (("full", full_path), ("cut", cut_path)):
    rms, peak, span, length = measure(path)
    print(f"{name}: recorded {length:.2f} s, RMS {rms:.4f} ({db(rms):.1f} dBFS), "
          f"peak {db(peak):.1f} dBFS, audible for {span:.3f} s (the cue file: {cue_span:.3f} s of {cue_len:.3f} s)")
    if name == "full":
        if rms < 0.001:  # -60 dBFS
            failures.append("the full cue's recording is silent")
        if span < cue_span - 0.05:
            failures.append(f"the full cue was heard for {span:.3f} s, the file lasts {cue_span:.3f} s")
    else:
        if span <= 0.0:
            failures.append("the cut cue was never heard")
        if span > cut_ms / 1000.0 + 0.15:
            failures.append(f"the cut cue went on for {span:.3f} s after a close at {cut_ms} ms")
for failure in failures:
    print("FAIL:", failure)
print("audio check:", "1 failed" if failures else "passed")
sys.exit(1 if failures else 0)
EOF
