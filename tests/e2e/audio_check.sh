#!/usr/bin/env bash
# Hears the game's sound cues for real: starts a private PulseAudio server whose default
# sink is a null sink, records that sink's monitor while play_cue sends a cue through the
# game's media control layer, and checks the recording.
#
#   audio_check.sh [PLAY_CUE] [DRIVE_C]
#
# PLAY_CUE is the play_cue program (default build/tests/e2e/play_cue), DRIVE_C the folder
# that stands for drive c: (default build/drive_c). Three runs are checked:
#   1. pull1.wav and 2. payoff.wav, each played to its end: the recording is not silent,
#      and its audible stretch is as long as the cue file's own (the output is neither
#      stopped early nor starved);
#   3. pull1.wav closed 200 ms after play: the sound stops there.
# If PulseAudio cannot start here, prints "SKIP: ..." and exits 0.
set -euo pipefail

top=$(cd "$(dirname "$0")/../.." && pwd)
play_cue=${1:-$top/build/tests/e2e/play_cue}
drive_c=${2:-$top/build/drive_c}
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
    "$play_cue" "c:\\zorvix\\$cue" --data-root "$drive_c" "$@"
    sleep 0.3
    kill -INT "$record_pid"
    wait "$record_pid" || true
    record_pid=
}

# A silent stream keeps the sink running, so a new stream starts at once.
pacat --playback --device=zorvix --format=s16le --rate=44100 --channels=1 </dev/zero &
silence_pid=$!

for cue in pull1.wav payoff.wav; do
    echo "== $cue to its end"
    record_cue "$work/full-$cue" "$cue" --wait 2000
done
echo "== pull1.wav closed after $cut_after_ms ms"
record_cue "$work/cut-pull1.wav" pull1.wav --wait 800 --cut-after "$cut_after_ms"

python3 - "$drive_c/zorvix" "$work" "$cut_after_ms" <<'EOF'
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


cue_dir, work, cut_ms = sys.argv[1], sys.argv[2], int(sys.argv[3])
runs = [("pull1.wav", f"{work}/full-pull1.wav", None),
        ("payoff.wav", f"{work}/full-payoff.wav", None),
        ("pull1.wav", f"{work}/cut-pull1.wav", cut_ms)]
failures = []
for cue, path, cut in runs:
    _, _, cue_span, cue_len = measure(f"{cue_dir}/{cue}")
    rms, peak, span, length = measure(path)
    name = f"{cue} closed after {cut} ms" if cut is not None else f"{cue} to its end"
    print(f"{name}: recorded {length:.2f} s, RMS {rms:.4f} ({db(rms):.1f} dBFS), peak {db(peak):.1f} dBFS, "
          f"audible for {span:.3f} s (the file: {cue_span:.3f} s of {cue_len:.3f} s)")
    if cut is None:
        if rms < 0.001:  # -60 dBFS
            failures.append(f"{name}: the recording is silent")
        if span < cue_span - 0.05:
            failures.append(f"{name}: heard for {span:.3f} s, the file sounds for {cue_span:.3f} s")
    else:
        if span <= 0.0:
            failures.append(f"{name}: never heard")
        if span > cut / 1000.0 + 0.15:
            failures.append(f"{name}: went on for {span:.3f} s")
for failure in failures:
    print("FAIL:", failure)
print(f"audio check: {len(runs) - len({f.split(':')[0] for f in failures})} passed, "
      f"{len({f.split(':')[0] for f in failures})} failed")
sys.exit(1 if failures else 0)
EOF
