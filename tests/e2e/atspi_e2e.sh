#!/usr/bin/env bash
# Runs tests/e2e/atspi_drive.py: the real program on a virtual X server,
# driven only through the accessibility bus, in a D-Bus session of its own
# with the accessibility bus launcher started by this script and stopped by
# its process id.
#
#   atspi_e2e.sh <path to the VeltranoInstaller executable inside its bundle>
#
# Exits 0 on success, 77 when it cannot run here (not root, so the install
# would ask for a password; no X server, D-Bus or accessibility tools).
set -euo pipefail

exe=$(realpath "${1:?usage: atspi_e2e.sh <VeltranoInstaller executable>}")
here=$(dirname "$(realpath "$0")")
launcher=/usr/libexec/at-spi-bus-launcher
python=/usr/bin/python3

if [ -z "${VELTRANO_ATSPI_INNER:-}" ]; then
    for tool in xvfb-run dbus-run-session "$launcher" "$python"; do
        command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
    done
    "$python" -c "import pyatspi" 2>/dev/null || { echo "SKIP: python3-pyatspi is not installed"; exit 77; }
    if [ "$(id -u)" != 0 ]; then
        echo "SKIP: the installation runs without a password prompt only as root"
        exit 77
    fi
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    export VELTRANO_ATSPI_INNER=1 VELTRANO_ATSPI_WORK="$work"
    status=0
    xvfb-run -a -f "$work/Xauthority" -s "-screen 0 1280x1024x24" \
        dbus-run-session -- "$here/atspi_e2e.sh" "$exe" || status=$?
    if [ "$status" != 0 ]; then
        for output in "$work"/*.txt; do
            [ -f "$output" ] && { echo "--- $(basename "$output")"; cat "$output"; }
        done
    fi
    exit "$status"
fi

"$launcher" --launch-immediately &
launcher_pid=$!
trap 'kill "$launcher_pid" 2>/dev/null || true' EXIT
"$python" "$here/atspi_drive.py" "$exe" "$VELTRANO_ATSPI_WORK/run"
