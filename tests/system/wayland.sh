#!/usr/bin/env bash
# The packaged .run on a headless Weston, with a host Qt's plugin and library
# paths set to tempt it: a native Wayland client (the platform is not chosen
# by the caller), decorated, at least 648 by 405, only the bundle's Qt mapped,
# and a screenshot taken; a TERM to the .run ends the installer and removes
# its folder. With no Wayland compositor at WAYLAND_DISPLAY it falls back to
# X11.
#   wayland.sh <folder with the .run> [folder to keep the screenshot in]
set -euo pipefail
here=$(dirname "$(realpath "$0")")
source "$here/lib/common.sh"
dist=$(realpath "${1:?usage: wayland.sh <folder with the .run> [screenshot folder]}")
keep=${2:-}
system_require weston weston-screenshooter Xvfb

run=$(ls "$dist"/VeltranoInstaller-*-x86_64.run)
work=$(mktemp -d)
trap 'system_stop_all; rm -rf "$work"' EXIT
runtime=$work/runtime
mkdir -m 700 "$runtime" "$work/unpack"
geometry=$work/geometry.txt
host_plugins=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/plugins)

XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --use-pixman --socket=veltrano-test \
    --width=1024 --height=768 --idle-time=0 --debug >"$work/weston.log" 2>&1 &
system_track $!
for _ in $(seq 1 100); do
    [ -S "$runtime/veltrano-test" ] && break
    sleep 0.1
done
[ -S "$runtime/veltrano-test" ] || { cat "$work/weston.log" >&2; fail "weston did not start"; }

# launch NAME=VALUE...: the .run with those settings, the host Qt's paths and
# no platform chosen; sets run_pid and wizard_pid.
launch() {
    rm -f "$geometry"
    env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY XDG_RUNTIME_DIR="$runtime" TMPDIR="$work/unpack" \
        QT_PLUGIN_PATH="$host_plugins" QT_QPA_PLATFORM_PLUGIN_PATH="$host_plugins/platforms" \
        LD_LIBRARY_PATH=/usr/lib/x86_64-linux-gnu VELTRANO_DEBUG_GEOMETRY="$geometry" "$@" \
        sh "$run" >"$work/stdout.txt" 2>&1 &
    run_pid=$!
    system_track "$run_pid"
    wizard_pid=$(wait_installer "$run_pid") || { cat "$work/stdout.txt" >&2; fail "the installer did not start"; }
}

# expect_window PLATFORM: the window on that platform, large enough, and
# only the bundle's Qt in the process.
expect_window() {
    wait_for "a window on $1" "^window\t$1\t"
    read -r width height <<<"$(grep -P '^window\t' "$geometry" | cut -f3)"
    [ "$width" -ge 648 ] && [ "$height" -ge 405 ] || fail "the window is $width by $height"
    expect_bundle_maps "$wizard_pid" "$(ls -d "$work"/unpack/VeltranoInstaller.*/VeltranoInstaller.app)"
}

# stop: a TERM to the .run ends the installer and its folder.
stop() {
    kill -TERM "$run_pid"
    local status=0
    wait "$run_pid" || status=$?
    [ "$status" = 143 ] || fail "the .run exited with $status after TERM"
    [ -z "$(ls -A "$work/unpack")" ] || fail "the unpacked installer was left behind"
}

source "$here/../e2e/wizard.sh"

launch WAYLAND_DISPLAY=veltrano-test
expect_window wayland
read -r _ top _ _ <<<"$(grep -P '^window\t' "$geometry" | cut -f4)"
[ "$top" -ge 10 ] || fail "the window has no title bar (frame margins $(grep -P '^window\t' "$geometry" | cut -f4))"
wait_for "the welcome page" "^page\tintro$"
# Two more turns of the window's event loop: the page has been painted.
rewritten 2 || fail "the installer ended on the welcome page"
(cd "$work" && XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=veltrano-test weston-screenshooter) ||
    fail "weston-screenshooter failed"
shot=$(ls "$work"/wayland-screenshot-*.png)
[ "$(head -c 8 "$shot" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "the screenshot is no PNG"
[ -z "$keep" ] || cp "$shot" "$keep/wayland-welcome.png"
stop

system_xvfb "$work"
launch WAYLAND_DISPLAY=no-compositor-here DISPLAY="$DISPLAY"
expect_window xcb
stop
said=$(grep -c . "$work/stdout.txt" || true)
[ "$said" -le 1 ] || { cat "$work/stdout.txt" >&2; fail "the fallback to X11 wrote $said lines"; }
grep -qx 'VeltranoInstaller: Wayland did not start (.*); using X11\.' "$work/stdout.txt" ||
    { cat "$work/stdout.txt" >&2; fail "the fallback to X11 did not say so"; }
echo "PASS: native and decorated on Wayland, X11 when Wayland cannot start"
