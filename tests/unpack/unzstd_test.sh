#!/usr/bin/env bash
# The decompressor the .run carries: what it writes is exactly what went
# into zstd, over several frames, at the fast and the strong level and at an
# output of exactly the decoder's buffer size; a stream cut anywhere, a
# changed byte (caught by the frame's checksum) and no input at all end with
# status 1 and one line.
#   unzstd_test.sh <unzstd>
set -euo pipefail
unzstd=$(realpath "${1:?usage: unzstd_test.sh <unzstd>}")
fail() { echo "FAIL: $*" >&2; exit 1; }
command -v zstd >/dev/null || { echo "SKIP: zstd is not installed"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Text that compresses well and bytes that do not, so that both long and
# short blocks occur; 131072 is zstd's block and output buffer size.
seq 1 400000 >"$work/text"
head -c 3000000 /dev/urandom >"$work/random"
head -c 131072 /dev/urandom >"$work/oneblock"
for input in text random oneblock; do
    for level in -1 -19; do
        zstd "$level" -q -c "$work/$input" >"$work/one.zst"
        "$unzstd" <"$work/one.zst" | cmp - "$work/$input" || fail "$input at $level did not come back"
        cat "$work/one.zst" "$work/one.zst" >"$work/two.zst"
        "$unzstd" <"$work/two.zst" | cmp - <(cat "$work/$input" "$work/$input") ||
            fail "$input at $level in two frames did not come back"
    done
done

# expect_refusal WHAT FILE: status 1 and one line on standard error.
expect_refusal() {
    local status=0
    "$unzstd" <"$2" >/dev/null 2>"$work/error" || status=$?
    [ "$status" = 1 ] || fail "$1: status $status"
    [ "$(wc -l <"$work/error")" = 1 ] && grep -q '^unzstd: ' "$work/error" || fail "$1: said $(cat "$work/error")"
}
zstd -3 -q -c "$work/text" >"$work/text.zst"
size=$(wc -c <"$work/text.zst")
for cut in 1 4 100 $((size / 2)) $((size - 1)); do
    head -c "$cut" "$work/text.zst" >"$work/cut.zst"
    expect_refusal "cut after $cut bytes" "$work/cut.zst"
done
cp "$work/text.zst" "$work/changed.zst"
position=$((size / 2))
original=$(dd if="$work/text.zst" bs=1 skip="$position" count=1 status=none | od -An -tu1 | tr -d ' ')
printf "\\$(printf '%03o' $(((original + 1) % 256)))" |
    dd of="$work/changed.zst" bs=1 seek="$position" conv=notrunc status=none
expect_refusal "a changed byte" "$work/changed.zst"
: >"$work/empty"
expect_refusal "no input" "$work/empty"
echo "PASS: unzstd gives back what zstd packed and refuses damaged input"
