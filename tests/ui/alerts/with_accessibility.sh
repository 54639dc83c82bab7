#!/usr/bin/env bash
# Runs a test program where Qt's accessibility is switched on, as it is for a
# user with a screen reader: on a virtual X server, with a session bus and the
# accessibility bus of at-spi2-core, so that the program's accessibility
# events can be observed.
#
#   with_accessibility.sh <program> [arguments...]
#
# Exits with the program's status, or 77 when the tools are missing.
set -euo pipefail

launcher=/usr/libexec/at-spi-bus-launcher
if [ -z "${VELTRANO_ACCESSIBILITY_SESSION:-}" ]; then
    for tool in xvfb-run dbus-run-session dbus-send "$launcher"; do
        command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
    done
    export VELTRANO_ACCESSIBILITY_SESSION=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- "$0" "$@"
fi

"$launcher" >/dev/null 2>&1 &
launcher_pid=$!
trap 'kill "$launcher_pid" 2>/dev/null || true; wait "$launcher_pid" 2>/dev/null || true' EXIT

# Qt switches accessibility on only when the accessibility bus is there.
for _ in $(seq 1 100); do
    if dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q "boolean true"; then
        break
    fi
    sleep 0.05
done

status=0
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 VELTRANO_EXPECT_ACCESSIBILITY=1 "$@" || status=$?
exit "$status"
