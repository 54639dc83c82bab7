#!/usr/bin/env bash
# Start-up of the installer against a minimal Qt Widgets program, measured in
# the same run: time from launch to the first painted window, and peak
# resident memory, each as the installer's median over the minimal one's.
#   startup_bench [runs]        (default 15 runs of each, interleaved)
# Runs under xvfb-run when there is no display.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
runs=${1:-15}

if [ -z "${DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" != offscreen ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
source "$here/startuplib.sh"
startup_compare "$runs" minimal "$here/minimal_startup" installer "$here/installer_startup"
