# Shared by the start-up comparisons: each compares two programs that print
# "first_paint_ms" and "maxrss_kb" (see firstpaintprobe.h), run in turn.
#   startup_compare RUNS LABEL_A PROGRAM_A LABEL_B PROGRAM_B
# prints the medians of both and B's ratio to A.

startup_measure() { # program -> "first_paint_ms maxrss_kb"
    local out
    # A program that never paints must not hang the run.
    out=$(STARTUP_T0_NS=$(date +%s%N) timeout 30 "$1" 2>/dev/null) || {
        echo "$1 did not report a painted window" >&2
        exit 1
    }
    echo "$(awk '/^first_paint_ms/ {print $2}' <<<"$out") $(awk '/^maxrss_kb/ {print $2}' <<<"$out")"
}

startup_median() { sort -g | awk '{v[NR]=$1} END {print (NR % 2) ? v[(NR+1)/2] : (v[NR/2] + v[NR/2+1]) / 2}'; }

startup_compare() {
    local runs=$1 label_a=$2 program_a=$3 label_b=$4 program_b=$5 tmp
    # One warm-up each, so both find their libraries in the page cache.
    startup_measure "$program_a" >/dev/null
    startup_measure "$program_b" >/dev/null
    tmp=$(mktemp -d)
    for _ in $(seq "$runs"); do
        startup_measure "$program_a" >>"$tmp/a"
        startup_measure "$program_b" >>"$tmp/b"
    done
    local a_ms b_ms a_kb b_kb
    a_ms=$(cut -d' ' -f1 "$tmp/a" | startup_median)
    b_ms=$(cut -d' ' -f1 "$tmp/b" | startup_median)
    a_kb=$(cut -d' ' -f2 "$tmp/a" | startup_median)
    b_kb=$(cut -d' ' -f2 "$tmp/b" | startup_median)
    rm -rf "$tmp"
    echo "platform: ${QT_QPA_PLATFORM:-xcb on $DISPLAY}, $runs runs each, interleaved, medians"
    printf '%-28s %10s %10s %8s\n' "" "$label_a" "$label_b" ratio
    printf '%-28s %10.1f %10.1f %8.2f\n' "launch to first paint (ms)" "$a_ms" "$b_ms" \
        "$(awk -v a="$b_ms" -v b="$a_ms" "BEGIN {print a / b}")"
    printf '%-28s %10d %10d %8.2f\n' "peak resident memory (kB)" "$a_kb" "$b_kb" \
        "$(awk -v a="$b_kb" -v b="$a_kb" "BEGIN {print a / b}")"
}
