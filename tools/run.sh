#!/usr/bin/env bash
# Sets up, builds the application bundle and starts the installer on the
# sample products shipped in resources/.
set -euo pipefail
cd "$(dirname "$0")/.."

"$(pwd)/tools/setup.sh"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --parallel "$(nproc)" --target VeltranoInstaller

exe=build/VeltranoInstaller.app/Contents/MacOS/VeltranoInstaller
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display found: starting the installer under xvfb-run (nothing will be visible)."
    echo "On a desktop, run: $exe"
    exec xvfb-run -a "$exe" "$@"
fi
exec "$exe" "$@"
