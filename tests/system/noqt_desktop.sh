#!/usr/bin/env bash
# The packaged .run on a Debian 12 desktop without Qt (a minbase root with
# only what desktop-packages.txt lists), run as root under Xvfb: the window
# shows with the bundle's own libraries, the sample products install through
# the window, "Close" ends it with status 0 and the unpacked folder is gone;
# a killed installer passes its status on and leaves nothing behind; a
# damaged file says so.
#   noqt_desktop.sh <folder with the .run>
set -euo pipefail
here=$(dirname "$(realpath "$0")")
source "$here/lib/common.sh"
source "$here/lib/world.sh"
dist=$(realpath "${1:?usage: noqt_desktop.sh <folder with the .run>}")
system_require debootstrap chroot unshare Xvfb xdotool
system_private "$@"

run=$(ls "$dist"/VeltranoInstaller-*-x86_64.run)
work=$(mktemp -d)
root=$work/root
cleanup() {
    system_stop_all
    umount "$root/proc" 2>/dev/null || true
    rm -rf --one-file-system "$work"
}
trap cleanup EXIT
mkdir "$root"
world_copy "$root" || fail "cannot build the desktop root"

leaks=$(find "$root/usr/lib" "$root/usr/local" \( -name 'libQt6*' -o -name 'libicu*' -o -name 'libxkbcommon*' \
    -o -name 'libxcb-icccm*' -o -name 'libxcb-image*' -o -name 'libxcb-keysyms*' -o -name 'libxcb-util*' \
    -o -name 'libxcb-render-util*' \) -print)
[ -z "$leaks" ] || fail "the desktop root is not free of Qt: $leaks"

system_xvfb "$work"
cp "$run" "$root/root/installer.run"
mkdir -p "$root/var/tmp/unpack"
mkdir -m 700 "$root/root/runtime"
output=$work/stdout.txt
geometry=$root/root/geometry.txt

# start_installer: the .run as the README shows it, through a clean
# environment in the root; sets run_pid (the .run's shell) and wizard_pid
# (the installer).
start_installer() {
    rm -f "$geometry"
    chroot "$root" /usr/bin/env -i PATH=/usr/bin:/bin HOME=/root XDG_RUNTIME_DIR=/root/runtime \
        DISPLAY="$DISPLAY" TMPDIR=/var/tmp/unpack VELTRANO_INSTALL_ROOT=/stage XDG_DATA_HOME=/data \
        VELTRANO_DEBUG_GEOMETRY=/root/geometry.txt \
        sh -c 'cd /root && exec sh installer.run' >"$output" 2>&1 &
    run_pid=$!
    system_track "$run_pid"
    wizard_pid=$(wait_installer "$run_pid") || { cat "$output" >&2; fail "the installer did not start"; }
}

# finish STATUS: the .run ends with STATUS and its folder is gone.
finish() {
    local status=0
    for _ in $(seq 1 100); do
        kill -0 "$run_pid" 2>/dev/null || break
        sleep 0.1
    done
    wait "$run_pid" || status=$?
    [ "$status" = "$1" ] || { cat "$output" >&2; fail "the .run exited with $status, not $1"; }
    [ -z "$(ls -A "$root/var/tmp/unpack")" ] || fail "the unpacked installer was left in TMPDIR"
}

source "$here/../e2e/wizard.sh"

start_installer
wait_for "the window" "^window\txcb\t"
read -r width height <<<"$(grep -P '^window\t' "$geometry" | cut -f3)"
[ "$width" -ge 648 ] && [ "$height" -ge 405 ] || fail "the window is $width by $height"
bundle=$(ls -d "$root"/var/tmp/unpack/VeltranoInstaller.*/VeltranoInstaller.app)
expect_bundle_maps "$wizard_pid" "$bundle"
walk_to_install
wait_for "the summary page" "^page\tsummary$"
grep -q "^ERROR VALUE Ok$" "$output" || { cat "$output" >&2; fail "the install script did not answer Ok"; }
expect_sample_tree "$root" /stage/opt/Veltrano /stage/usr/local/share/Adobe/Plug-Ins/CC/Veltrano \
    /data/Adobe/Lightroom
click nextButton
finish 0

start_installer
wait_for "the window" "^page\tintro$"
kill -KILL "$wizard_pid"
finish 137

head -c 100000 "$run" >"$root/root/installer.run"
status=0
chroot "$root" /usr/bin/env -i PATH=/usr/bin:/bin TMPDIR=/var/tmp/unpack sh /root/installer.run >"$output" 2>&1 ||
    status=$?
[ "$status" = 1 ] && grep -q "damaged or incomplete" "$output" || fail "a cut .run did not say it is damaged"
[ -z "$(ls -A "$root/var/tmp/unpack")" ] || fail "a damaged .run left files in TMPDIR"
echo "PASS: the .run installs on a desktop without Qt"
