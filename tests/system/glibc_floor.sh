#!/usr/bin/env bash
# Every ELF in the packaged bundle asks no more of the host than the stated
# floor: the C library of glibc 2.35 and the C++ runtime of GCC 12
# (GLIBCXX_3.4.30, CXXABI_1.3.13). A program linked on a newer system picks
# up newer symbol versions without a word, and the dynamic linker of an older
# host then refuses it; this reads the versions each file needs, as the
# dynamic linker will.
# The decompressor the .run carries in front of the bundle is checked too.
#   glibc_floor.sh <folder with the .run and the .tar.zst>
set -euo pipefail
dist=$(realpath "${1:?usage: glibc_floor.sh <folder with the .run and the .tar.zst>}")
fail() { echo "FAIL: $*" >&2; exit 1; }
command -v readelf >/dev/null || { echo "SKIP: readelf is not installed"; exit 77; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
tar --zstd -xf "$(ls "$dist"/VeltranoInstaller-*-x86_64.tar.zst)" -C "$work"
run=$(ls "$dist"/VeltranoInstaller-*-x86_64.run)
header_size=$(head -c 20000 "$run" | sed -n 's/^header_size=\([0-9]*\)$/\1/p')
unzstd_size=$(head -c 20000 "$run" | sed -n 's/^unzstd_size=\([0-9]*\)$/\1/p')
head -c $((header_size + unzstd_size)) "$run" | tail -c "$unzstd_size" | gzip -dc >"$work/unzstd" ||
    fail "cannot take the decompressor out of the .run"

# Each row: the version prefix | the highest the floor allows.
floors='GLIBC|2.35
GLIBCXX|3.4.30
CXXABI|1.3.13'

checked=0
above=
while IFS= read -r -d '' file; do
    [ "$(head -c 4 "$file" | od -An -c | tr -d ' ')" = '177ELF' ] || continue
    checked=$((checked + 1))
    # The versions this file needs from others (.gnu.version_r), not those
    # it defines itself.
    needs=$(readelf -V -W "$file" | sed -n '/^Version needs section/,/^Version\|^$/p' |
        sed -n 's/.*Name: \([A-Z]*_[0-9.]*\).*/\1/p' | sort -u)
    while IFS='|' read -r prefix highest; do
        for version in $(sed -n "s/^${prefix}_\([0-9.]*\)$/\1/p" <<<"$needs"); do
            if [ "$(printf '%s\n%s\n' "$version" "$highest" | sort -V | tail -n 1)" != "$highest" ]; then
                above="$above
${file#"$work"/} needs ${prefix}_$version (the floor is ${prefix}_$highest)"
            fi
        done
    done <<<"$floors"
done < <(find "$work" -type f -print0)

[ "$checked" -gt 20 ] || fail "only $checked ELF files in the bundle; is it complete?"
[ -z "$above" ] || fail "above the floor:$above"
echo "PASS: all $checked ELF files of the bundle need at most GLIBC_2.35, GLIBCXX_3.4.30 and CXXABI_1.3.13"
