#!/usr/bin/env bash
# Where the host falls short, the .run says so in words before it unpacks
# anything, in one or two lines and with a non-zero status, and with no line
# of the dynamic linker or of Qt:
#   - Debian 11 (glibc 2.31, below the floor of 2.35);
#   - Debian 13 without a display;
#   - Debian 13 without libX11-xcb (the package is named);
#   - Debian 13 with the C++ runtime of a GCC older than 12.
# The installer itself, started from its unpacked folder past the .run's
# checks, says in one line why its platform cannot start: a library its X11
# plugin needs is missing, or no X server answers at DISPLAY.
#   host_checks.sh <folder with the .run>
set -euo pipefail
here=$(dirname "$(realpath "$0")")
source "$here/lib/common.sh"
source "$here/lib/world.sh"
dist=$(realpath "${1:?usage: host_checks.sh <folder with the .run>}")
system_require debootstrap chroot unshare Xvfb
system_private "$@"

run=$(ls "$dist"/VeltranoInstaller-*-x86_64.run)
bundle=$(ls "$dist"/VeltranoInstaller-*-x86_64.tar.zst)
work=$(mktemp -d)
cleanup() {
    system_stop_all
    umount "$work/bullseye/proc" "$work/trixie/proc" 2>/dev/null || true
    rm -rf --one-file-system "$work"
}
trap cleanup EXIT
mkdir "$work/bullseye" "$work/trixie"
world_copy "$work/bullseye" bullseye || fail "cannot build the bullseye root"
world_copy "$work/trixie" trixie || fail "cannot build the trixie root"
system_xvfb "$work"
output=$work/output.txt

# attempt ROOT COMMAND [NAME=VALUE...]: COMMAND in ROOT in a clean
# environment with DISPLAY, unless a setting overrides it; sets status.
attempt() {
    local root=$1 command=$2
    shift 2
    mkdir -p "$root/var/tmp/unpack"
    status=0
    chroot "$root" /usr/bin/env -i PATH=/usr/bin:/bin HOME=/root TMPDIR=/var/tmp/unpack DISPLAY="$DISPLAY" "$@" \
        sh -c "$command" >"$output" 2>&1 || status=$?
}

# expect_words WHAT PATTERN: status non-zero, PATTERN among at most two lines,
# nothing of the dynamic linker or Qt, and nothing left unpacked.
expect_words() {
    local what=$1 pattern=$2 root=${3:-}
    [ "$status" != 0 ] || fail "$what: status 0"
    grep -qE "$pattern" "$output" || { cat "$output" >&2; fail "$what: no line matches $pattern"; }
    [ "$(wc -l <"$output")" -le 2 ] || { cat "$output" >&2; fail "$what: more than two lines"; }
    # Every line is the installer's own; the dynamic linker, Qt and the
    # shell would begin theirs otherwise.
    if grep -v '^VeltranoInstaller: ' "$output" | grep -q .; then
        cat "$output" >&2
        fail "$what: a line not of the installer's own"
    fi
    grep -qE 'Reinstalling|Aborted|core dumped' "$output" && fail "$what: Qt's abort spoke"
    [ -z "$root" ] || [ -z "$(ls -A "$root/var/tmp/unpack")" ] || fail "$what: files were unpacked"
}

cp "$run" "$work/bullseye/root/installer.run"
attempt "$work/bullseye" 'sh /root/installer.run'
expect_words "Debian 11" "needs glibc 2\.35 or newer, and this system has glibc 2\.31" "$work/bullseye"
grep -q "Debian 12, Ubuntu 22.04" "$output" || fail "Debian 11 was not told which system is needed"

cp "$run" "$work/trixie/root/installer.run"
attempt "$work/trixie" 'sh /root/installer.run' DISPLAY=
expect_words "no display" "cannot show its window: neither DISPLAY nor WAYLAND_DISPLAY names a desktop" "$work/trixie"
attempt "$work/trixie" 'sh /root/installer.run' DISPLAY= WAYLAND_DISPLAY=wayland-7 XDG_RUNTIME_DIR=/tmp
expect_words "no compositor" "no Wayland compositor listens at wayland-7" "$work/trixie"

# The installer unpacked by hand, for the checks of its own.
mkdir -p "$work/trixie/opt/unpacked"
tar --zstd -xf "$bundle" -C "$work/trixie/opt/unpacked"
installer=/opt/unpacked/VeltranoInstaller.app/Contents/MacOS/VeltranoInstaller
attempt "$work/trixie" "exec $installer" DISPLAY=:987
expect_words "no X server" "^VeltranoInstaller: cannot open its window on X11: no X server answers at DISPLAY=:987$"
[ "$status" = 1 ] || fail "no X server: status $status, not 1"

mkdir "$work/aside"
find "$work/trixie/usr/lib" -name 'libX11-xcb.so*' -exec mv -t "$work/aside" {} +
attempt "$work/trixie" 'sh /root/installer.run'
expect_words "no libX11-xcb" "lacks .*libX11-xcb\.so\.1" "$work/trixie"
grep -qE "Install libx11-xcb1 \(Debian, Ubuntu\) or libX11-xcb \(Fedora\)" "$output" ||
    { cat "$output" >&2; fail "no libX11-xcb: the packages are not named"; }
attempt "$work/trixie" "exec $installer"
expect_words "the installer without libX11-xcb" \
    "^VeltranoInstaller: cannot open its window on X11: libX11-xcb\.so\.1: cannot open shared object file"
mv "$work"/aside/* "$work/trixie/usr/lib/x86_64-linux-gnu/"

# The C++ runtime of GCC 11 in place of the system's.
runtime=$(readlink -f "$work/trixie/usr/lib/x86_64-linux-gnu/libstdc++.so.6")
mv "$runtime" "$(dirname "$runtime")/libstdc++.so.6.0.29"
ln -sf libstdc++.so.6.0.29 "$work/trixie/usr/lib/x86_64-linux-gnu/libstdc++.so.6"
attempt "$work/trixie" 'sh /root/installer.run'
expect_words "GCC 11's C++ runtime" \
    "needs the C\+\+ runtime of GCC 12 or newer \(libstdc\+\+\.so\.6\.0\.30\), and this system has libstdc\+\+\.so\.6\.0\.29\.$" \
    "$work/trixie"
echo "PASS: a host that falls short is told why in words"
