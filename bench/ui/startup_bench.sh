#!/usr/bin/env bash
# Start-up of the installer against a minimal Qt Widgets program, measured in
# the same run: time from launch to the first painted window, and peak
# resident memory, each as the installer's median over the minimal one's.
#   startup_bench [runs]        (default 15 runs of each, interleaved)
# Runs under xvfb-run when there is no display.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
runs=${1:-15}

if [ -z "${DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" != offscreen ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

measure() { # program -> "first_paint_ms maxrss_kb"
    local out
    # A program that never paints must not hang the run.
    out=$(STARTUP_T0_NS=$(date +%s%N) timeout 30 "$here/$1" 2>/dev/null) || {
        echo "$1 did not report a painted window" >&2
        exit 1
    }
    echo "$(awk '/^first_paint_ms/ {print $2}' <<<"$out") $(awk '/^maxrss_kb/ {print $2}' <<<"$out")"
}

median() { sort -g | awk '{v[NR]=$1} END {print (NR % 2) ? v[(NR+1)/2] : (v[NR/2] + v[NR/2+1]) / 2}'; }

# One warm-up each, so both find the libraries in the page cache.
measure minimal_startup >/dev/null
measure installer_startup >/dev/null

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for _ in $(seq "$runs"); do
    measure minimal_startup >>"$tmp/minimal"
    measure installer_startup >>"$tmp/installer"
done

min_ms=$(cut -d' ' -f1 "$tmp/minimal" | median)
ins_ms=$(cut -d' ' -f1 "$tmp/installer" | median)
min_kb=$(cut -d' ' -f2 "$tmp/minimal" | median)
ins_kb=$(cut -d' ' -f2 "$tmp/installer" | median)

echo "platform: ${QT_QPA_PLATFORM:-xcb on $DISPLAY}, $runs runs each, medians"
printf '%-28s %10s %10s %8s\n' "" minimal installer ratio
printf '%-28s %10.1f %10.1f %8.2f\n' "launch to first paint (ms)" "$min_ms" "$ins_ms" "$(awk -v a="$ins_ms" -v b="$min_ms" "BEGIN {print a / b}")"
printf '%-28s %10d %10d %8.2f\n' "peak resident memory (kB)" "$min_kb" "$ins_kb" "$(awk -v a="$ins_kb" -v b="$min_kb" "BEGIN {print a / b}")"
