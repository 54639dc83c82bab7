# A Debian 12 desktop without Qt, as a root file system that tests run
# programs in with chroot. Source this file; it defines:
#
#   world_cached            builds the root once (debootstrap minbase plus
#                           desktop-packages.txt) and prints its folder
#   world_copy DEST         a private copy of that root in DEST, with /proc
#                           mounted; call it in a mount namespace of the
#                           test's own (system_private in common.sh), so the
#                           mount vanishes with the test however it ends
#
# The cache lives outside the repository, in $VELTRANO_WORLD_CACHE
# (default /var/cache/veltrano), keyed by the package list, so CI builds it
# once per machine and a changed list builds a new one.

world_lib=$(dirname "${BASH_SOURCE[0]}")
world_suite=bookworm
world_mirror=${VELTRANO_DEBIAN_MIRROR:-http://deb.debian.org/debian}

world_packages() { grep -v '^#' "$world_lib/desktop-packages.txt" | grep -v '^$'; }

world_cached() {
    local cache=${VELTRANO_WORLD_CACHE:-/var/cache/veltrano}
    local key folder build
    key=$( { echo "$world_suite $world_mirror"; world_packages; } | sha256sum | cut -c1-16)
    folder=$cache/desktop-$key
    mkdir -p "$cache"
    # One builder at a time; the others wait and then find it done.
    exec {lock}>"$cache/.lock"
    flock "$lock"
    if [ ! -f "$folder/complete" ]; then
        echo "Building the desktop root in $folder (once per package list)" >&2
        build=$(mktemp -d "$cache/building.XXXXXX")
        if ! debootstrap --variant=minbase --include="$(world_packages | paste -sd,)" \
            "$world_suite" "$build/root" "$world_mirror" >"$build/debootstrap.log" 2>&1; then
            tail -n 20 "$build/debootstrap.log" >&2
            rm -rf "$build"
            exec {lock}>&-
            return 1
        fi
        # Mesa's compiler pulls ICU in; a desktop may well lack it, and the
        # bundle must not lean on it, so it goes.
        chroot "$build/root" dpkg --purge --force-depends libicu72 >>"$build/debootstrap.log" 2>&1
        rm -rf "$build/root/var/cache/apt/archives/"*.deb
        rm -rf "$folder"
        mv "$build" "$folder"
        touch "$folder/complete"
    fi
    exec {lock}>&-
    echo "$folder/root"
}

world_copy() {
    local dest=$1 source
    source=$(world_cached) || return 1
    cp -a "$source/." "$dest/"
    mount -t proc proc "$dest/proc"
    chmod 1777 "$dest/tmp"
}
