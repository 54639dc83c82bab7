#!/usr/bin/env bash
# Start-up of the installer from the deployed bundle (its own Qt from
# Contents/Frameworks and Contents/PlugIns) against the same program on the
# system's Qt, measured in the same run. Both are one and the same binary:
# its RPATH points at ../Frameworks, which exists only inside the bundle.
#   deployed_startup_bench [runs]     (default 15 runs of each, interleaved)
# Runs under xvfb-run when there is no display.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
runs=${1:-15}

if [ -z "${DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" != offscreen ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
source "$here/startuplib.sh"
build=$(cd "$here/../.." && pwd)
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cmake --install "$build" --prefix "$stage" --strip >/dev/null
deployed=$stage/VeltranoInstaller.app/Contents/MacOS/installer_startup
cp "$here/installer_startup" "$deployed"
strip "$deployed"
# Only the bundle's Qt may serve the deployed copy.
if ! LD_TRACE_LOADED_OBJECTS=1 "$deployed" | grep -q "$stage/VeltranoInstaller.app/Contents/MacOS/../Frameworks/libQt6Core"; then
    echo "the deployed copy does not load the bundle's Qt" >&2
    exit 1
fi
startup_compare "$runs" "system Qt" "$here/installer_startup" deployed "$deployed"
