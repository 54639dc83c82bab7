# Shared by the system tests: skipping, a private mount namespace, Xvfb, and
# the processes a test started, each stopped by its own id.
#   system_require TOOL...      exit 77 (skipped) unless root with every TOOL
#   system_private "$@"         re-runs the calling script in a mount
#                               namespace of its own (first call only)
#   system_xvfb WORK            an X server on a free display; sets DISPLAY
#   system_track PID            stop PID when the test ends
#   system_stop_all             what the test's EXIT trap calls
#   children_of PID             the pids whose parent is PID
#   wait_installer PID          the installer the .run PID started
#   fail MESSAGE                the test fails

system_pids=()

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

system_require() {
    [ "$(id -u)" = 0 ] || { echo "SKIP: needs root for chroot, mounts and users"; exit 77; }
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
    done
}

system_private() {
    if [ -z "${VELTRANO_PRIVATE_MOUNTS:-}" ]; then
        VELTRANO_PRIVATE_MOUNTS=1 exec unshare --mount --propagation private -- "$0" "$@"
    fi
}

system_track() { system_pids+=("$1"); }

system_stop_all() {
    local pid
    for pid in "${system_pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${system_pids[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
    system_pids=()
}

system_xvfb() {
    local work=$1
    : >"$work/display"
    Xvfb -displayfd 3 -ac -nolisten tcp -screen 0 1280x1024x24 3>"$work/display" >/dev/null 2>&1 &
    system_track $!
    for _ in $(seq 1 100); do
        if grep -q '[0-9]' "$work/display"; then
            export DISPLAY=:$(tr -dc 0-9 <"$work/display")
            return 0
        fi
        sleep 0.1
    done
    fail "Xvfb did not start"
}

children_of() {
    # The field after the command (which may hold spaces) is the parent.
    cat /proc/[0-9]*/stat 2>/dev/null | sed -n 's/^\([0-9]*\) (.*) [A-Za-z] \([0-9]*\) .*/\1 \2/p' |
        awk -v parent="$1" '$2 == parent {print $1}'
}

# wait_installer PID: the installer started by the .run whose shell is PID,
# once it runs (not the tools that unpack it).
wait_installer() {
    local child
    for _ in $(seq 1 300); do
        for child in $(children_of "$1"); do
            [ "$(cat "/proc/$child/comm" 2>/dev/null)" = VeltranoInstall ] && { echo "$child"; return 0; }
        done
        kill -0 "$1" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

# expect_bundle_maps PID BUNDLE: every Qt, ICU, xkbcommon and xcb utility
# library and every Qt plugin mapped by PID comes from BUNDLE (as the
# mapping's path reads from here).
expect_bundle_maps() {
    local pid=$1 bundle=$2 mapped foreign
    mapped=$(awk '{print $6}' "/proc/$pid/maps" | sort -u)
    grep -q "^$bundle/Contents/Frameworks/libQt6Core" <<<"$mapped" || fail "no Qt library of the bundle is mapped"
    foreign=$(grep -E '/libQt6|/libicu|/libxkbcommon|/libxcb-(icccm|image|keysyms|render-util|util)\.|/plugins/|/PlugIns/' \
        <<<"$mapped" | grep -v "^$bundle/Contents/" || true)
    [ -z "$foreign" ] || fail "libraries from outside the bundle: $foreign"
}
