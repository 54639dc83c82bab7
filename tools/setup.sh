#!/usr/bin/env bash
# Installs the Debian 12 packages the installer needs to build, run and test.
# Does nothing when they are all present already.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config ccache
    qt6-base-dev qt6-base-dev-tools libgl-dev
    qt6-l10n-tools qt6-translations-l10n
    libgtest-dev libgmock-dev libbenchmark-dev
    pkexec
    xvfb xauth xdotool x11-utils
    dbus-daemon dbus-bin at-spi2-core python3-pyatspi
    # The screen reader test: Orca speaks through speech-dispatcher (its
    # audio plug-ins include ALSA, whose null device stands in for a sound
    # card) in a session with a small window manager.
    orca speech-dispatcher speech-dispatcher-audio-plugins libasound2 matchbox-window-manager
    # Japanese, Chinese and Korean texts are measured and drawn in the tests
    # and renders with the font a desktop has for them.
    fonts-dejavu-core fonts-noto-cjk
    qt6-wayland
    # zstd packs the bundle; the static libzstd goes into the decompressor
    # the .run carries.
    zstd libzstd-dev
    debootstrap weston libpolkit-agent-1-dev
)
if [ "${1:-}" = "--fuzz" ]; then
    packages+=(clang-14 libclang-rt-14-dev)
fi

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ "${#missing[@]}" -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    if [ "$(id -u)" -ne 0 ]; then
        echo "Run this as root (or install the packages above yourself)." >&2
        exit 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
