#!/usr/bin/env bash
# The packaged .run on a Debian desktop without Qt (a minbase root with only
# the host libraries the bundle expects, see lib/world.sh), run as root under
# Xvfb: the window shows with the bundle's own libraries, the sample products
# install through the window, "Close" ends it with status 0 and the unpacked
# folder is gone; a killed installer passes its status on and leaves nothing
# behind; an installer whose .run was killed outright removes the folder
# itself when it ends; a TMPDIR without room is told how much is needed,
# before anything is written; a file cut in its header or its payload says
# it is damaged or incomplete.
#   noqt_desktop.sh <folder with the .run> [root: desktop (Debian 12), trixie (Debian 13)]
set -euo pipefail
here=$(dirname "$(realpath "$0")")
source "$here/lib/common.sh"
source "$here/lib/world.sh"
dist=$(realpath "${1:?usage: noqt_desktop.sh <folder with the .run> [root]}")
world=${2:-desktop}
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
world_copy "$root" "$world" || fail "cannot build the $world root"

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

# The .run killed outright: the installer runs on and removes the folder
# itself when it ends.
start_installer
wait_for "the window" "^page\tintro$"
kill -KILL "$run_pid"
wait "$run_pid" 2>/dev/null || true
[ -n "$(ls -A "$root/var/tmp/unpack")" ] || fail "the folder went with the .run, before the installer ended"
walk_to_install
wait_for "the summary page" "^page\tsummary$"
click nextButton
for _ in $(seq 1 100); do
    kill -0 "$wizard_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$wizard_pid" 2>/dev/null && fail "the installer did not end on Close"
[ -z "$(ls -A "$root/var/tmp/unpack")" ] || fail "the installer of a killed .run left its folder in TMPDIR"

# run_plain FILE [NAME=VALUE...]: FILE in the root, in a clean environment
# with a display; sets status, the output is in $output.
run_plain() {
    local file=$1
    shift
    status=0
    chroot "$root" /usr/bin/env -i PATH=/usr/bin:/bin HOME=/root DISPLAY="$DISPLAY" TMPDIR=/var/tmp/unpack "$@" \
        sh "$file" >"$output" 2>&1 || status=$?
}

# A TMPDIR too small for the bundle.
mkdir -p "$root/var/tmp/small"
mount -t tmpfs -o size=4m tmpfs "$root/var/tmp/small"
run_plain /root/installer.run TMPDIR=/var/tmp/small
umount "$root/var/tmp/small"
[ "$status" = 1 ] || { cat "$output" >&2; fail "a small TMPDIR: status $status"; }
grep -qE "^VeltranoInstaller: needs [0-9]+ MB free in /var/tmp/small to unpack itself, and it has 4 MB\.$" "$output" ||
    { cat "$output" >&2; fail "a small TMPDIR was not told the room needed"; }
[ "$(wc -l <"$output")" -le 2 ] || { cat "$output" >&2; fail "a small TMPDIR got more than two lines"; }

# Cut inside the header, inside the decompressor, and inside the payload.
header=$(head -c 20000 "$run" | sed -n 's/^header_size=\([0-9]*\)$/\1/p')
for cut in 700 $((header / 2)) $((header + 1000)) 100000 $(($(wc -c <"$run") - 1)); do
    head -c "$cut" "$run" >"$root/root/cut.run"
    run_plain /root/cut.run
    [ "$status" = 1 ] && grep -q "damaged or incomplete" "$output" && [ "$(wc -l <"$output")" = 1 ] ||
        { cat "$output" >&2; fail "a .run cut after $cut bytes: status $status"; }
    [ -z "$(ls -A "$root/var/tmp/unpack")" ] || fail "a .run cut after $cut bytes left files in TMPDIR"
done
# One byte changed inside the payload.
cp "$run" "$root/root/changed.run"
printf 'X' | dd of="$root/root/changed.run" bs=1 seek=$(($(wc -c <"$run") / 2)) conv=notrunc status=none
run_plain /root/changed.run
[ "$status" = 1 ] && grep -q "damaged or incomplete" "$output" ||
    { cat "$output" >&2; fail "a changed payload: status $status"; }
[ -z "$(ls -A "$root/var/tmp/unpack")" ] || fail "a changed payload left files in TMPDIR"
echo "PASS: the .run installs on a $world desktop without Qt"
