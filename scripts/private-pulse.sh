# Sourced by the real-audio check and the benchmarks: a private PulseAudio server whose
# default output is a null sink, as on a desktop with sound, with its own home, runtime
# folder and socket (nothing shared with a session's own sound server).
#
#   private_pulse_start WORK SINK   starts it under WORK/ with a null sink named SINK as the
#                                   default output; on failure returns 1 with the reason in
#                                   PRIVATE_PULSE_FAILURE
#   private_pulse_stop              stops it and waits until it has exited

private_pulse_started=

private_pulse_start() {
    local work=$1 sink=$2
    export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime
    unset PULSE_SERVER PULSE_RUNTIME_PATH PULSE_COOKIE PULSE_SINK
    mkdir -p -m 0700 "$HOME" "$XDG_RUNTIME_DIR"
    if ! command -v pulseaudio >/dev/null; then
        PRIVATE_PULSE_FAILURE="pulseaudio is not installed"
        return 1
    fi
    if ! pulseaudio -D --exit-idle-time=-1 --system=false --log-target="file:$work/pulse.log" 2>"$work/pulse.err"; then
        PRIVATE_PULSE_FAILURE="PulseAudio did not start: $(tail -n 3 "$work/pulse.err" 2>/dev/null | tr '\n' ' ')"
        return 1
    fi
    private_pulse_started=1
    local _
    for _ in $(seq 50); do
        if pactl info >/dev/null 2>&1; then
            if ! pactl load-module module-null-sink sink_name="$sink" >/dev/null 2>&1; then
                PRIVATE_PULSE_FAILURE="PulseAudio has no null sink"
                return 1
            fi
            pactl set-default-sink "$sink"
            return 0
        fi
        sleep 0.1
    done
    PRIVATE_PULSE_FAILURE="PulseAudio started but does not answer"
    return 1
}

private_pulse_stop() {
    [[ -n $private_pulse_started ]] || return 0
    private_pulse_started=
    local pid _
    pid=$(cat "$XDG_RUNTIME_DIR/pulse/pid" 2>/dev/null)
    pulseaudio --kill 2>/dev/null
    # The server removes its files as it exits: wait for it before its folder is removed.
    for _ in $(seq 50); do
        [[ -n $pid ]] && kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
}
