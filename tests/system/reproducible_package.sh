#!/usr/bin/env bash
# Two packagings of one build are byte for byte the same, .run and .tar.zst
# alike, whatever the time, the umask and the order the file system lists
# names in: every entry of the payload carries owner 0:0 and the time of
# SOURCE_DATE_EPOCH.
#   reproducible_package.sh <source folder> <build folder> <folder with the .run>
set -euo pipefail
source_dir=$(realpath "${1:?usage: reproducible_package.sh <source> <build> <dist>}")
build=$(realpath "${2:?usage: reproducible_package.sh <source> <build> <dist>}")
dist=$(realpath "${3:?usage: reproducible_package.sh <source> <build> <dist>}")
fail() { echo "FAIL: $*" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A second packaging, later and under another umask, of the build the
# fixture packaged.
(umask 077 && "$source_dir/tools/package.sh" --build "$build" --output "$work/again" --fast >/dev/null)
for file in "$dist"/VeltranoInstaller-*-x86_64.run "$dist"/VeltranoInstaller-*-x86_64.tar.zst; do
    cmp "$file" "$work/again/$(basename "$file")" || fail "$(basename "$file") differs between two packagings"
done

epoch=$(git -C "$source_dir" log -1 --format=%ct 2>/dev/null || echo 0)
listing=$(tar --zstd -tvf "$(ls "$dist"/VeltranoInstaller-*-x86_64.tar.zst)" --numeric-owner --full-time)
others=$(awk '$2 != "0/0"' <<<"$listing")
[ -z "$others" ] || fail "entries not owned by 0:0: $(head -n 3 <<<"$others")"
stamp=$(date -u -d "@$epoch" '+%Y-%m-%d %H:%M:%S')
late=$(TZ=UTC0 tar --zstd -tvf "$(ls "$dist"/VeltranoInstaller-*-x86_64.tar.zst)" --numeric-owner --full-time |
    awk -v stamp="$stamp" '$4 " " $5 != stamp')
[ -z "$late" ] || fail "entries not dated $stamp (SOURCE_DATE_EPOCH): $(head -n 3 <<<"$late")"
echo "PASS: two packagings of one build are the same bytes"
