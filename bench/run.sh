#!/usr/bin/env bash
# Builds the benchmarks into build/ and runs every measurement, then prints the figures as a
# Markdown table, each with the command that made it.
#
#   bench/run.sh [--quick]      (--quick: fewer stops and start-ups, for a try-out)
#
# A private X server (Xvfb, real xcb platform) and a private PulseAudio server with a null
# sink are started for the run and stopped at the end; without PulseAudio the cue figure
# says it was not measured. The machine should be otherwise idle: the timings are real.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/private-pulse.sh"
build=$root/build
bench=$build/bench
stops=1000000
runs=15
if [[ ${1:-} == --quick ]]; then
    stops=100000
    runs=10
fi

cmake -S "$root" -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target odds reel_timing startup cue_start cues >/dev/null

work=$(mktemp -d)
xvfb_pid=
silence_pid=
cleanup() {
    set +e
    [[ -n $silence_pid ]] && kill "$silence_pid" 2>/dev/null && wait "$silence_pid" 2>/dev/null
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    private_pulse_stop
    rm -rf "$work"
}
trap cleanup EXIT

# A private sound server whose default output is a null sink, as on a desktop with sound.
audio="no sound server"
if private_pulse_start "$work" bench; then
    # A silent stream keeps the sink running, so a new stream starts at once.
    pacat --playback --latency-msec=20 --device=bench --format=s16le --rate=44100 --channels=1 </dev/zero &
    silence_pid=$!
    audio="PulseAudio null sink"
fi

mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
read -r -t 10 display <"$work/display" || { echo "no X server could be started" >&2; exit 1; }
export DISPLAY=":$display"

rows=$work/rows
: >"$rows"
# Runs one measurement: run LABEL COMMAND...; its log goes to bench-out/, its ROW lines
# into the table with the command (build path shortened to build/).
out=$build/bench-out
mkdir -p "$out"
run() {
    local label=$1
    shift
    local shown="${*//$root\//}"
    shown="${shown//:$display/<Xvfb>}"
    shown="${shown//--server-pid $xvfb_pid/--server-pid <Xvfb pid>}"
    echo "== $label: $shown (load $(cut -d' ' -f1-2 /proc/loadavg))" >&2
    local status=0
    "$@" >"$out/$label.log" 2>"$out/$label.err" || status=$?
    grep -v '^ROW' "$out/$label.log" >&2 || true
    grep '^ROW' "$out/$label.log" | while IFS=$'\t' read -r _ figure value goal; do
        printf '| %s | %s | %s | `%s` |\n' "$figure" "$value" "$goal" "$shown" >>"$rows"
    done
    [[ $status == 0 ]] || echo "   ($label exited with status $status; see $out/$label.err)" >&2
}

run reel_xcb env QT_QPA_PLATFORM=xcb DISPLAY=":$display" "$bench/reel_timing" --seconds 5 --server-pid "$xvfb_pid"
run reel_offscreen env QT_QPA_PLATFORM=offscreen "$bench/reel_timing" --seconds 5
run startup_xcb env QT_QPA_PLATFORM=xcb DISPLAY=":$display" "$bench/startup" --runs "$runs"
run startup_offscreen env QT_QPA_PLATFORM=offscreen "$bench/startup" --runs "$runs"
run cue_start env QT_QPA_PLATFORM=offscreen "$bench/cue_start" "$build/drive_c" --repeats 20
run odds env QT_QPA_PLATFORM=offscreen "$bench/odds" --stops "$stops"

echo
echo "Audio: $audio. X server: Xvfb 1024x768x24. $(nproc) cores; load average at the end $(cut -d' ' -f1-3 /proc/loadavg)."
echo
echo "| Figure | Measured | Goal | Command |"
echo "| --- | --- | --- | --- |"
cat "$rows"
