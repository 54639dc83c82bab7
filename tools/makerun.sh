#!/usr/bin/env bash
# Packs a laid-out bundle into the two files a vendor ships:
#
#   tools/makerun.sh [--fast] BUNDLE UNZSTD OUTPUT VERSION
#       OUTPUT.run      self-extracting: cmake/selfextract.sh, then UNZSTD
#                       (gzip), then the bundle as two zstd-compressed tars
#                       that the .run unpacks side by side: the largest
#                       file alone (ICU's data), and the rest
#       OUTPUT.tar.zst  the same tar, to unpack by hand
#
#   BUNDLE   a VeltranoInstaller.app folder (cmake --install lays one out)
#   UNZSTD   the decompressor the .run carries (the target unzstd)
#   --fast   lighter compression: bigger files, quicker (for tests)
#
# The same bundle packs to the same bytes: names in order, fixed owners, every
# time SOURCE_DATE_EPOCH (default 0), compressors that record no name or time.
set -euo pipefail
source=$(cd "$(dirname "$0")/.." && pwd)
fast=
[ "${1:-}" = --fast ] && { fast=1; shift; }
[ $# = 4 ] || { sed -n '2,15s/^# \{0,1\}//p' "$0" >&2; exit 2; }
bundle=$(cd "$1" && pwd) unzstd=$2 output=$3 version=$4
fail() { echo "makerun: $*" >&2; exit 1; }
[ "$(basename "$bundle")" = VeltranoInstaller.app ] || fail "$bundle is not a VeltranoInstaller.app folder"
[ -x "$unzstd" ] || fail "the decompressor $unzstd is missing"
epoch=${SOURCE_DATE_EPOCH:-0}
umask 022

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$(dirname "$output")"
if [ -n "$fast" ]; then level=-3; else level=-19; fi
# pack LIST: the entries LIST names (NUL-separated, relative to the bundle's
# parent) as a zstd tar on standard output, in one thread, so that the frames
# do not depend on the machine.
pack() {
    tar -C "$(dirname "$bundle")" --sort=name --owner=0 --group=0 --numeric-owner --mtime="@$epoch" --format=gnu \
        --no-recursion --null --verbatim-files-from -T "$1" -cf - | zstd "$level" -T1 -q -c
}
(cd "$(dirname "$bundle")" && find VeltranoInstaller.app -print0 | LC_ALL=C sort -z) >"$work/entries"
# The largest file is about half of the bundle; unpacked beside the rest, it
# halves the wait on a machine with two cores.
(cd "$(dirname "$bundle")" && find VeltranoInstaller.app -type f -printf '%s %p\0' | LC_ALL=C sort -z -k1,1nr -k2 |
    sed -z -n 1p | cut -z -d' ' -f2-) >"$work/largest-entry"
grep -zvxF -f <(tr '\0' '\n' <"$work/largest-entry") "$work/entries" >"$work/rest-entries"
pack "$work/largest-entry" >"$work/largest"
pack "$work/rest-entries" >"$work/rest"
cat "$work/largest" "$work/rest" >"$work/payload"
# The file for unpacking by hand is one tar.
pack "$work/entries" >"$work/whole"
gzip -9 -n -c "$unzstd" >"$work/unzstd.gz"

# The libraries the bundle takes from the host: what its programs, libraries
# and plugins need and it does not carry, except the C library's own, which
# the .run checks by glibc's version. Each needs a package name in the
# header's table, so that a user who lacks one is told what to install.
carried=$(ls "$bundle/Contents/Frameworks")
host_libraries=$(find "$bundle/Contents" -type f -exec sh -c \
    'for f; do if [ "$(head -c 4 "$f" | od -An -c | tr -d " ")" = 177ELF ]; then readelf -d "$f"; fi; done' sh {} + |
    sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p' | sort -u | grep -vxF "$carried" |
    grep -vE '^(ld-linux-x86-64\.so\.2|lib(c|m|dl|pthread|rt|resolv|util)\.so\.[0-9]+)$' | paste -sd' ')
package_of=$(sed -n '/^package_of() {/,/^}/p' "$source/cmake/selfextract.sh")
for library in $host_libraries; do
    [ "$(sh -c "$package_of"'
package_of "$1"' sh "$library")" != "$library|$library" ] ||
        fail "the bundle needs $library from the host, and cmake/selfextract.sh names no package for it"
done
unpacked_kib=$(($(du -sk "$bundle" | cut -f1) + $(wc -c <"$unzstd") / 1024 + 1))

# The header names the largest file's path inside single quotes.
largest_path=$(tr -d '\0' <"$work/largest-entry")
case $largest_path in *[!A-Za-z0-9._/+-]*) fail "the largest file's path needs quoting in the header: $largest_path" ;; esac
largest_path=$(printf '%s' "$largest_path" | sed 's/[\/&]/\\&/g')

# The header's size is part of the header; settle it in a few rounds.
unzstd_size=$(wc -c <"$work/unzstd.gz")
largest_size=$(wc -c <"$work/largest")
payload_size=$(wc -c <"$work/payload")
offset=0 size=
for _ in 1 2 3 4; do
    total=$((offset + unzstd_size + payload_size))
    sed -e "s/@VERSION@/$version/" -e "s/@OFFSET@/$offset/" -e "s/@TOTAL@/$total/" \
        -e "s/@UNZSTD_SIZE@/$unzstd_size/" -e "s/@FIRST_PART_SIZE@/$largest_size/" \
        -e "s/@UNPACKED_KIB@/$unpacked_kib/" -e "s/@LARGEST_PATH@/$largest_path/g" \
        -e "s/@HOST_LIBRARIES@/$host_libraries/" "$source/cmake/selfextract.sh" >"$work/header"
    size=$(wc -c <"$work/header")
    [ "$size" = "$offset" ] && break
    offset=$size
done
[ "$size" = "$offset" ] || fail "the header's size did not settle"

cat "$work/header" "$work/unzstd.gz" "$work/payload" >"$output.run.part"
cp "$work/whole" "$output.tar.zst.part"
chmod 755 "$output.run.part"
chmod 644 "$output.tar.zst.part"
touch -d "@$epoch" "$output.run.part" "$output.tar.zst.part"
mv -f "$output.run.part" "$output.run"
mv -f "$output.tar.zst.part" "$output.tar.zst"

megabytes() { awk -v b="$1" 'BEGIN {printf "%.1f", b / 1048576}'; }
for file in "$output.run" "$output.tar.zst"; do
    printf '%s  %s bytes (%s MiB)\n' "$file" "$(wc -c <"$file")" "$(megabytes "$(wc -c <"$file")")"
done
unpacked=$(du -sb "$bundle" | cut -f1)
printf 'unpacked: %s bytes (%s MiB); from the host: %s\n' "$unpacked" "$(megabytes "$unpacked")" "$host_libraries"
