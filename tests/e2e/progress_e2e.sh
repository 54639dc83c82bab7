#!/usr/bin/env bash
# Installs a bundle big enough for the copy to take a few seconds, through the
# real program on a virtual X server, and watches the window while it works:
# the progress overlay is up and names the folder being copied, the window
# keeps rewriting its geometry report (its timers run), and clicks and keys
# made during the run change nothing, neither then nor once the run is over.
#
#   progress_e2e.sh <path to the VeltranoInstaller executable inside its bundle>
#
# The big product holds four folders, each a second name of one file whose
# size is chosen on this machine so that copying one folder takes at least
# half a second: the run then lasts a few seconds however fast the disk is.
# When E2E_SCREENSHOTS names a folder and ImageMagick's `import` is
# installed, screenshots of the progress overlay are saved there.
# Exits 0 on success, 77 when it cannot run here, anything else on failure.
set -euo pipefail
[ -n "${E2E_TRACE:-}" ] && { PS4='+ $(date +%S.%N | cut -c1-6) '; set -x; }

exe=$(realpath "${1:?usage: progress_e2e.sh <VeltranoInstaller executable>}")
here=$(dirname "$(realpath "$0")")

source "$here/underx.sh"
source "$here/wizard.sh"
if e2e_outside_x; then
    # A copy of the bundle with one more product of four big plug-in folders.
    bundle=$(realpath "$(dirname "$exe")/../..")
    cp -R "$bundle" "$work/Installer.app"
    product="$work/Installer.app/Contents/Resources/Products/Bigshot 9"
    mkdir -p "$product/Bigshot 9 Part 1"
    megabytes=64
    while :; do
        head -c "$((megabytes * 1024 * 1024))" /dev/zero >"$product/Bigshot 9 Part 1/data.bin"
        started=$(date +%s%N)
        cp -R "$product/Bigshot 9 Part 1" "$work/calibration"
        elapsed_ms=$(( ($(date +%s%N) - started) / 1000000 ))
        rm -rf "$work/calibration"
        [ "$elapsed_ms" -ge 500 ] || [ "$megabytes" -ge 1024 ] && break
        megabytes=$((megabytes * 2))
    done
    for part in 2 3 4; do
        mkdir "$product/Bigshot 9 Part $part"
        ln "$product/Bigshot 9 Part 1/data.bin" "$product/Bigshot 9 Part $part/data.bin"
    done
    export E2E_BIG_MB=$megabytes
    e2e_again_under_x "$work/Installer.app/Contents/MacOS/$(basename "$exe")"
fi
e2e_under_x

wait_for "the welcome page" "^page\tintro$"
click nextButton
wait_for "the license page" "^page\tlicense$"
click nextButton
wait_for "the license alert" "^overlay\tlicenseAlert$"
click agreeButton
wait_for "the products page" "^page\tproducts$"
wait_for "no overlay" "^overlay\tnone$"
click nextButton
# Next on the install page, where Close will be on the summary.
wait_for "the install page" "^page\tinstall$"
read -r x y w h <<<"$(grep -P "^button\t[^\t]*\tnextButton\t1\t" "$geometry" | head -n 1 | cut -f5)"
next_at="$((x + w / 2)) $((y + h / 2))"
confirm_install

wait_for "the progress overlay" "^overlay\tinstallProgress$"
# While the overlay is up: the report is rewritten again and again (its
# modification time, to the nanosecond), and once the big folder is being
# copied a user clicks where Close will be and presses keys.
rewrites=()
seen_big=
while grep -qP "^overlay\tinstallProgress$" "$geometry"; do
    rewrites+=("$(stat -c %y "$geometry")")
    if [ -z "$seen_big" ] && grep -qP "^progress\t[0-9]+\t[0-9]+\t0\tBigshot 9 Part [0-9]$" "$geometry"; then
        seen_big=1
        if [ -n "${E2E_SCREENSHOTS:-}" ] && command -v import >/dev/null; then
            mkdir -p "$E2E_SCREENSHOTS"
            import -window root "$E2E_SCREENSHOTS/progress-copying.png"
        fi
        # shellcheck disable=SC2086 # two numbers
        xdotool mousemove $next_at click 1 key Return space Escape
    fi
    sleep 0.1
done
[ -n "$seen_big" ] || fail "the progress overlay never named the big folder"
distinct=$(printf '%s\n' "${rewrites[@]}" | sort -u | wc -l)
[ "$distinct" -ge 3 ] || fail "the geometry report was rewritten only $distinct times during the run"

wait_for "the summary page" "^page\tsummary$"
wait_for "no overlay after the run" "^overlay\tnone$"
grep -q "^ERROR VALUE Ok$" "$work/stdout.txt" || fail "the install script did not answer Ok"
for part in 1 2 3 4; do
    copied=$(stat -c %s "$root/opt/Veltrano/Bigshot 9 Part $part/data.bin" 2>/dev/null || echo 0)
    [ "$copied" -eq $((E2E_BIG_MB * 1024 * 1024)) ] || fail "only $copied bytes of big folder $part were copied"
done

# The click on Next made during the run must not act as Close now, nor on
# the turns that come after.
rewritten 2 || fail "a click made during the run closed the program afterwards"
grep -qP "^page\tsummary$" "$geometry" || fail "the page changed after the run"

click nextButton
expect_closed
echo "PASS: the window stayed alive through the copy ($distinct geometry reports) and took no input"
