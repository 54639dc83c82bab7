# The start and end that the end-to-end tests of the window share. Each test
# runs twice: first as it was called, then again on a virtual X server. Source
# this file with `exe` set, then
#
#   if e2e_outside_x; then          # the first run: skips (exit 77) without
#       ...                         #   xvfb-run, xdotool or root, makes $work
#       e2e_again_under_x ARGS...   #   (removed at exit); runs this script
#   fi                              #   again under X with ARGS, exits with it
#   e2e_under_x [ENV=VALUE...]      # the second run: sets work, root, data,
#                                   #   geometry and fail(), and starts $exe
#                                   #   staged there, as wizard_pid
#   ... wizard.sh's functions ...
#   expect_closed                   # the program ends with status 0

e2e_outside_x() {
    [ -z "${VELTRANO_E2E_UNDER_X:-}" ] || return 1
    local tool
    for tool in xvfb-run xdotool; do
        command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
    done
    if [ "$(id -u)" != 0 ]; then
        echo "SKIP: the installation runs without a password prompt only as root"
        exit 77
    fi
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
}

e2e_again_under_x() {
    local status=0
    VELTRANO_E2E_UNDER_X=1 VELTRANO_E2E_WORK="$work" \
        xvfb-run -a -f "$work/Xauthority" -s "-screen 0 1280x1024x24" "$(realpath "$0")" "$@" || status=$?
    exit "$status"
}

fail() {
    echo "FAIL: $*" >&2
    [ -f "$geometry" ] && { echo "--- last geometry report" >&2; cat "$geometry" >&2; }
    [ -f "$work/stdout.txt" ] && { echo "--- program output" >&2; cut -c1-2000 "$work/stdout.txt" >&2; }
    exit 1
}

# The program under X, not the offscreen platform that the unit tests use,
# in English unless a LANGUAGE is given, installing into $work.
e2e_under_x() {
    work=$VELTRANO_E2E_WORK
    root=$work/root
    data=$work/data
    geometry=$work/geometry.txt
    mkdir -p "$root" "$data"
    env -u QT_QPA_PLATFORM -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG "$@" \
        VELTRANO_INSTALL_ROOT="$root" XDG_DATA_HOME="$data" VELTRANO_DEBUG_GEOMETRY="$geometry" \
        "$exe" >"$work/stdout.txt" 2>&1 &
    wizard_pid=$!
    trap 'kill "$wizard_pid" 2>/dev/null || true' EXIT
}

# After Close: the program ends on its own, with status 0.
expect_closed() {
    local status=0
    for _ in $(seq 1 300); do
        kill -0 "$wizard_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$wizard_pid" 2>/dev/null && fail "the program is still running after Close"
    wait "$wizard_pid" || status=$?
    [ "$status" = 0 ] || fail "the program exited with status $status"
    trap - EXIT
}
