# A desktop session with the real Orca for test scripts: Orca speaks through
# speech-dispatcher, whose output module writes each utterance to a file
# ($work/spoken.txt) instead of a sound card, and records what it speaks (its
# "SPEECH OUTPUT" lines) and why in its debug file ($work/orca-debug.txt). Source this file under an X server and a D-Bus
# session of the caller's own, with `work` set to a folder the caller owns,
# then
#
#   orca_session_start        # the accessibility bus, speech-dispatcher, a
#                             #   window manager and Orca, each stopped by its
#                             #   process id at exit
#   mark                      # from here on, expect looks at new lines only
#   expect <what> <pattern>   # waits until Orca has spoken a line matching the
#                             #   grep -P pattern since the mark (or since the
#                             #   last line expect matched), then moves past it
#   refuse <what> <pattern>   # fails when a line since the mark matches
#
# and define fail() (it must not return).

launcher=/usr/libexec/at-spi-bus-launcher
orca_pids=()

orca_session_stop() {
    local pid
    for pid in "${orca_pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    # Orca handles TERM only between events of its main loop, which may never
    # come: whatever is still there after a few seconds is killed.
    for pid in "${orca_pids[@]}"; do
        for _ in $(seq 1 30); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -KILL "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    orca_pids=()
}

# Waits until `probe` (a command) succeeds, at most `tenths` tenths of a second.
poll() {
    local what=$1 tenths=$2
    shift 2
    for _ in $(seq 1 "$tenths"); do
        "$@" && return 0
        sleep 0.1
    done
    fail "timed out waiting for $what"
}

has_bus_name() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner "string:$1" 2>/dev/null | grep -q "boolean true"
}

orca_session_start() {
    export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/runtime
    export XDG_CACHE_HOME=$work/home/.cache
    mkdir -p "$HOME" "$XDG_CONFIG_HOME/speech-dispatcher/modules" "$XDG_RUNTIME_DIR" "$work/orca"
    chmod 700 "$XDG_RUNTIME_DIR"
    spoken_file=$work/spoken.txt
    speech_log=$work/orca-debug.txt
    : >"$spoken_file"

    # The generic output module runs a command per utterance; this one appends
    # the text to a file. The module still opens an audio output at start:
    # ALSA's null device, which every system has, takes it.
    cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<EOF
AddModule "tofile" "sd_generic" "tofile.conf"
DefaultModule tofile
AudioOutputMethod "alsa"
AudioALSADevice "null"
LogLevel 2
LogDir "$work"
EOF
    cat >"$XDG_CONFIG_HOME/speech-dispatcher/modules/tofile.conf" <<EOF
GenericExecuteSynth "printf '%s\\\\n' \\'\$DATA\\' >> '$spoken_file'"
GenericCmdDependency "printf"
AddVoice "en" "MALE1" "default"
GenericLanguage "en" "en" "utf-8"
EOF

    "$launcher" --launch-immediately >"$work/launcher.txt" 2>&1 &
    orca_pids+=($!)
    poll "the accessibility bus" 100 has_bus_name org.a11y.Bus

    speech-dispatcher --run-single --timeout 0 --config-dir "$XDG_CONFIG_HOME/speech-dispatcher" \
        >"$work/speechd.txt" 2>&1 &
    orca_pids+=($!)
    poll "speech-dispatcher's socket" 100 test -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock"

    matchbox-window-manager -use_titlebar no >"$work/wm.txt" 2>&1 &
    orca_pids+=($!)

    orca --user-prefs "$work/orca" --debug --debug-file "$speech_log" >"$work/orca.txt" 2>&1 &
    orca_pids+=($!)
    trap 'orca_session_stop' EXIT
    spoken_mark=0
    expect "that it has started" "^Screen reader on"
}

# The lines Orca has spoken, one per line, as speech-dispatcher received
# them. Orca's debug file has the same as its "SPEECH OUTPUT" lines, but Orca
# writes it through a buffer, so its last lines may stay unwritten for as long
# as Orca says nothing more; the output module writes each line at once.
spoken_lines() {
    cat "$spoken_file"
}

mark() {
    spoken_mark=$(spoken_lines | wc -l)
}

new_lines() {
    spoken_lines | tail -n "+$((spoken_mark + 1))"
}

matches_since_mark() {
    { new_lines | grep -nP -- "$1" || true; } | head -n 1 | cut -d: -f1
}

expect() {
    local what=$1 pattern=$2 at
    for _ in $(seq 1 200); do
        at=$(matches_since_mark "$pattern")
        if [ -n "$at" ]; then
            spoken_mark=$((spoken_mark + at))
            return 0
        fi
        sleep 0.1
    done
    echo "--- spoken since the last step:" >&2
    new_lines >&2
    fail "Orca did not speak $what (/$pattern/)"
}

refuse() {
    local what=$1 pattern=$2
    if new_lines | grep -P -- "$pattern" >/dev/null; then
        echo "--- spoken since the last step:" >&2
        new_lines >&2
        fail "Orca spoke $what (/$pattern/)"
    fi
}
