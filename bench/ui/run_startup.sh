#!/usr/bin/env bash
# Start-up of the shipped .run against the same bundle already unpacked,
# measured in the same run: from launching to the first painted window. The
# .run's share is what it adds: its checks of the host, unpacking into
# TMPDIR and, after the window, removing the folder again (not counted).
# Both start the same start-up probe (installer_startup, the installer's own
# start-up ending at its first paint) from the deployed bundle, packed by
# tools/makerun.sh as tools/package.sh packs it.
#   run_startup_bench [runs]     (default 15 runs of each, interleaved)
# Runs under xvfb-run when there is no display. Prints the medians, their
# ratio, the .run's size and the bundle's size unpacked.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
runs=${1:-15}

if [ -z "${DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" != offscreen ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
source "$here/startuplib.sh"
build=$(cd "$here/../.." && pwd)
source_dir=$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$build/CMakeCache.txt")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install "$build" --prefix "$work/stage" --strip >/dev/null
program=$work/stage/VeltranoInstaller.app/Contents/MacOS/VeltranoInstaller
cp "$here/installer_startup" "$program"
strip "$program"
"$source_dir/tools/makerun.sh" "$work/stage/VeltranoInstaller.app" "$build/tools/unpack/unzstd" \
    "$work/VeltranoInstaller-bench" bench >"$work/sizes.txt"
cat "$work/sizes.txt"
mkdir "$work/unpack"
export TMPDIR=$work/unpack
startup_compare "$runs" "unpacked" "$program" ".run" "$work/VeltranoInstaller-bench.run"
# Qt may make its runtime folder there too; only the .run's own must be gone.
if ls -d "$work"/unpack/VeltranoInstaller.* >/dev/null 2>&1; then
    echo "the .run left its folder behind" >&2
    exit 1
fi
