# Debian systems without Qt, as root file systems that tests run programs in
# with chroot. Source this file; it defines:
#
#   world_cached [NAME]     builds the root NAME once and prints its folder
#   world_copy DEST [NAME]  a private copy of that root in DEST, with /proc
#                           mounted; call it in a mount namespace of the
#                           test's own (system_private in common.sh), so the
#                           mount vanishes with the test however it ends
#
# The roots, each a debootstrap minbase plus the packages its list names:
#
#   desktop    Debian 12 (bookworm), desktop-packages.txt: the host libraries
#              the bundle expects, fonts, D-Bus and polkit's pkexec
#   trixie     Debian 13 (trixie), trixie-packages.txt: the host libraries
#              the bundle expects and a font, nothing more
#   bullseye   Debian 11 (bullseye), bullseye-packages.txt: below the floor
#
# What the packages pull in beyond the host libraries (the xcb extension and
# Wayland helper libraries Mesa depends on, ICU) is purged again, so that a
# library the bundle forgot to carry is missing here as on a plain desktop.
#
# The cache lives outside the repository, in $VELTRANO_WORLD_CACHE
# (default /var/cache/veltrano), keyed by the suite and the package list, so
# CI builds each root once per machine and a changed list builds a new one.

world_lib=$(dirname "${BASH_SOURCE[0]}")
world_mirror=${VELTRANO_DEBIAN_MIRROR:-http://deb.debian.org/debian}

# Packages the bundle must not lean on: extensions of libxcb beyond the core,
# Wayland's libraries beyond the client, and what the bundle carries itself.
world_purged='^(libxcb-.*|libwayland-(cursor|egl|server).*|libxkbcommon.*|libsm6|libice6|libicu[0-9].*)$'

world_suite() {
    case $1 in
    desktop) echo bookworm ;;
    trixie) echo trixie ;;
    bullseye) echo bullseye ;;
    *) echo "world: no root named $1" >&2; return 1 ;;
    esac
}

world_packages() {
    local list=$world_lib/$1-packages.txt
    grep -v '^#' "$list" | grep -v '^$' || true
}

world_cached() {
    local name=${1:-desktop}
    local cache=${VELTRANO_WORLD_CACHE:-/var/cache/veltrano}
    local suite key folder build include purge
    suite=$(world_suite "$name") || return 1
    key=$( { echo "$suite $world_mirror $world_purged"; world_packages "$name"; } | sha256sum | cut -c1-16)
    folder=$cache/$name-$key
    mkdir -p "$cache"
    # One builder at a time; the others wait and then find it done.
    exec {lock}>"$cache/.lock-$name"
    flock "$lock"
    if [ ! -f "$folder/complete" ]; then
        echo "Building the $name root ($suite) in $folder (once per package list)" >&2
        build=$(mktemp -d "$cache/building.XXXXXX")
        include=$(world_packages "$name" | paste -sd,)
        if ! debootstrap --variant=minbase ${include:+--include="$include"} \
            "$suite" "$build/root" "$world_mirror" >"$build/debootstrap.log" 2>&1; then
            tail -n 20 "$build/debootstrap.log" >&2
            rm -rf "$build"
            exec {lock}>&-
            return 1
        fi
        purge=$(chroot "$build/root" dpkg-query -W -f='${Package}\n' | grep -E "$world_purged" || true)
        if [ -n "$purge" ]; then
            # shellcheck disable=SC2086 # one package a word
            chroot "$build/root" dpkg --purge --force-depends $purge >>"$build/debootstrap.log" 2>&1
        fi
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
    source=$(world_cached "${2:-desktop}") || return 1
    cp -a "$source/." "$dest/"
    mount -t proc proc "$dest/proc"
    chmod 1777 "$dest/tmp"
}
