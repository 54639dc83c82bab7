# The real privileged path inside a root made by world.sh: a system D-Bus
# bus and polkitd started by hand (no systemd), users with passwords, and an
# authentication agent of our own registered for one process. Source after
# world.sh; every process is started here with its own id and stopped by it.
#
#   polkit_start ROOT                 system bus + polkitd inside ROOT
#   polkit_stop                       stops both (and any agent started)
#   polkit_add_user ROOT NAME admin|standard PASSWORD
#                                     a user with a home; admin = group sudo
#   polkit_agent ROOT USER PID LOG RESPONSE...
#                                     the answering agent as USER, registered
#                                     for process PID (a host pid), answering
#                                     "password:TEXT" or "cancel" in turn;
#                                     LOG is its log inside ROOT; sets
#                                     polkit_agent_pid
#   polkit_desktop DIST              a desktop root with the system bus,
#                                     polkitd, an X server and DIST's .run in
#                                     /srv/installer.run; sets work and root
#                                     and stops all of it when the test ends
#   polkit_run_as ROOT USER [NAME=VALUE...] CMD...
#                                     CMD as USER in a new session without a
#                                     controlling terminal, in the background,
#                                     with a clean environment; sets
#                                     polkit_run_pid
#
# The agent's program is $POLKIT_AGENT (built with the tests).

polkit_pids=()
polkit_path=PATH=/usr/sbin:/usr/bin:/sbin:/bin

# polkit_wait_for SECONDS DESCRIPTION CMD...: until CMD succeeds.
polkit_wait_for() {
    local seconds=$1 what=$2; shift 2
    for _ in $(seq 1 $((seconds * 10))); do
        "$@" 2>/dev/null && return 0
        sleep 0.1
    done
    echo "realpolkit: timed out waiting for $what" >&2
    return 1
}

polkit_start() {
    local root=$1
    mkdir -p "$root/run/dbus"
    rm -f "$root/run/dbus/system_bus_socket"
    chroot "$root" /usr/bin/env -i $polkit_path \
        dbus-daemon --system --nofork --nopidfile --nosyslog >"$root/tmp/dbus-daemon.log" 2>&1 &
    polkit_pids+=($!)
    polkit_wait_for 20 "the system bus" test -S "$root/run/dbus/system_bus_socket" || return 1
    # polkitd starts as root and becomes the polkitd user itself.
    chroot "$root" /usr/bin/env -i $polkit_path \
        /usr/lib/polkit-1/polkitd --no-debug >"$root/tmp/polkitd.log" 2>&1 &
    polkit_pids+=($!)
    polkit_wait_for 20 "polkitd on the system bus" polkit_has_authority "$root"
}

polkit_has_authority() {
    chroot "$1" /usr/bin/env -i $polkit_path dbus-send --system --print-reply --dest=org.freedesktop.DBus \
        /org/freedesktop/DBus org.freedesktop.DBus.NameHasOwner string:org.freedesktop.PolicyKit1 |
        grep -q 'boolean true'
}

polkit_stop() {
    local pid
    for pid in "${polkit_pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${polkit_pids[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
    polkit_pids=()
}

polkit_add_user() {
    local root=$1 name=$2 kind=$3 password=$4 groups=()
    [ "$kind" = admin ] && groups=(-G sudo)
    chroot "$root" /usr/bin/env -i $polkit_path useradd -m -s /bin/sh "${groups[@]}" "$name" &&
        echo "$name:$password" | chroot "$root" /usr/bin/env -i $polkit_path chpasswd
}

polkit_agent() {
    local root=$1 user=$2 pid=$3 log=$4; shift 4
    install -m 755 "${POLKIT_AGENT:?names the answering agent}" "$root/usr/local/bin/answeringagent"
    : >"$root$log"
    chown "$(chroot "$root" id -u "$user")" "$root$log"
    chroot --userspec="$user:$user" "$root" /usr/bin/env -i $polkit_path \
        /usr/local/bin/answeringagent "$pid" "$log" "$@" >>"$root$log.stderr" 2>&1 &
    polkit_agent_pid=$!
    polkit_pids+=($polkit_agent_pid)
    polkit_wait_for 20 "the agent to register" grep -qx registered "$root$log" || {
        cat "$root$log.stderr" >&2
        return 1
    }
}

polkit_run_as() {
    local root=$1 user=$2; shift 2
    local home
    home=$(chroot "$root" getent passwd "$user" | cut -d: -f6)
    chroot --userspec="$user:$user" "$root" /usr/bin/setsid /usr/bin/env -i $polkit_path \
        HOME="$home" USER="$user" LOGNAME="$user" "$@" </dev/null &
    polkit_run_pid=$!
}

polkit_desktop() {
    local dist=$1
    work=$(mktemp -d)
    root=$work/root
    trap polkit_desktop_stop EXIT
    mkdir "$root"
    world_copy "$root" || fail "cannot build the desktop root"
    polkit_start "$root" || fail "cannot start the system bus and polkitd: $(cat "$root"/tmp/*.log)"
    system_xvfb "$work"
    install -m 755 "$(ls "$dist"/VeltranoInstaller-*-x86_64.run)" "$root/srv/installer.run"
}

# Stops what polkit_desktop started, unmounts whatever a test mounted in the
# root (innermost first) and removes it.
polkit_desktop_stop() {
    system_stop_all
    polkit_stop
    findmnt -rn -o TARGET | grep -F "$root/" | sort -r | while read -r mounted; do
        umount "$mounted" 2>/dev/null || true
    done
    rm -rf --one-file-system "$work"
}
