#!/bin/sh
# Runs a test program in a mount namespace of its own where it can (root and
# a working unshare), so that every mount the program makes goes with it,
# however it ends. Elsewhere the program runs as it is and skips what needs root.
if [ "$(id -u)" = 0 ] && [ -z "${VELTRANO_PRIVATE_MOUNTS:-}" ] &&
    unshare --mount --propagation private true 2>/dev/null; then
    VELTRANO_PRIVATE_MOUNTS=1 exec unshare --mount --propagation private -- "$@"
fi
exec "$@"
