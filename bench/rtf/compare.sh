#!/usr/bin/env bash
# The RTF reader against Debian's unrtf on one generated 10 MB license, in one
# run: the timings (Google Benchmark), then the peak memory of each program
# reading the same file in a fresh process.
#   bench/rtf/compare.sh [benchmark options]
set -euo pipefail
cd "$(dirname "$0")/../.."
tools/bench.sh rtf_bench "$@"

exe=build-bench/bench/rtf/rtf_bench
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
license="$folder/VeltranoEULA.rtf"
"$exe" --write "$license"
echo "== peak RSS on $(stat -c %s "$license") bytes"
"$exe" --peak-rss read "$license"
QT_QPA_PLATFORM=offscreen "$exe" --peak-rss load "$license" 2>/dev/null
/usr/bin/time -f "unrtf --text: peak RSS %M KiB, %e s" unrtf --text "$license" > /dev/null
/usr/bin/time -f "unrtf --html: peak RSS %M KiB, %e s" unrtf --html "$license" > /dev/null
