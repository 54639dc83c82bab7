#!/usr/bin/env bash
# Builds the cached Debian desktop root without Qt that the chroot tests copy,
# unless it is cached already (several minutes on a fresh machine).
set -euo pipefail
here=$(dirname "$(realpath "$0")")
source "$here/lib/common.sh"
source "$here/lib/world.sh"
system_require debootstrap chroot
root=$(world_cached) || fail "debootstrap could not build the desktop root"
echo "PASS: the desktop root is at $root"
