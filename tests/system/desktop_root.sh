#!/usr/bin/env bash
# Builds a cached Debian root without Qt that the chroot tests copy, unless it
# is cached already (several minutes on a fresh machine).
#   desktop_root.sh [desktop | trixie | bullseye]     (see lib/world.sh)
set -euo pipefail
here=$(dirname "$(realpath "$0")")
source "$here/lib/common.sh"
source "$here/lib/world.sh"
system_require debootstrap chroot
name=${1:-desktop}
root=$(world_cached "$name") || fail "debootstrap could not build the $name root"
echo "PASS: the $name root is at $root"
