#!/usr/bin/env bash
# Installs the sample products through the real program on a virtual X
# server and watches the window while it works: the progress overlay is up
# and names the folder being copied, the window keeps rewriting its geometry
# report (its timers run), and clicks and keys made during the run change
# nothing, neither then nor once the run is over.
#
#   progress_e2e.sh <path to the VeltranoInstaller executable inside its bundle>
#
# The run is held, whatever the machine's speed, while it copies a preset of
# Softhaze 3 into a FIFO the test made in the user's files; reading the FIFO
# lets it go on. When E2E_SCREENSHOTS names a folder and ImageMagick's
# `import` is installed, a screenshot of the progress overlay is saved there.
# Exits 0 on success, 77 when it cannot run here, anything else on failure.
set -euo pipefail
[ -n "${E2E_TRACE:-}" ] && { PS4='+ $(date +%S.%N | cut -c1-6) '; set -x; }

exe=$(realpath "${1:?usage: progress_e2e.sh <VeltranoInstaller executable>}")
here=$(dirname "$(realpath "$0")")

source "$here/underx.sh"
source "$here/wizard.sh"
if e2e_outside_x; then
    e2e_again_under_x "$exe"
fi
e2e_under_x
held="$data/Adobe/Lightroom/Export Presets/Veltrano Softhaze 3/Softhaze 3 - Gentle Haze.lrtemplate"
mkdir -p "$(dirname "$held")"
mkfifo "$held"

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
# While the run is held: the overlay names the folder being copied, a user
# clicks where Close will be and presses keys, and the report is still
# rewritten again and again.
wait_for "the held folder on the overlay" "^progress\t[0-9]+\t[0-9]+\t0\tVeltrano Softhaze 3$"
if [ -n "${E2E_SCREENSHOTS:-}" ] && command -v import >/dev/null; then
    mkdir -p "$E2E_SCREENSHOTS"
    import -window root "$E2E_SCREENSHOTS/progress-copying.png"
fi
# shellcheck disable=SC2086 # two numbers
xdotool mousemove $next_at click 1 key Return space Escape
rewritten 3 || fail "the program ended while the run was held"
grep -qP "^overlay\tinstallProgress$" "$geometry" || fail "the overlay went while the run was held"
grep -qP "^page\tinstall$" "$geometry" || fail "the page changed while the run was held"
[ ! -e "$root/opt/Veltrano/Softhaze 4 Plug-in" ] || fail "the run went on past the held copy"
preset=$(cat "$held")
[ -n "$preset" ] || fail "the held copy wrote nothing"

wait_for "the summary page" "^page\tsummary$"
wait_for "no overlay after the run" "^overlay\tnone$"
grep -q "^ERROR VALUE Ok$" "$work/stdout.txt" || fail "the install script did not answer Ok"
[ -f "$root/opt/Veltrano/Softhaze 4 Plug-in/softhaze4.filter" ] || fail "the run did not go on after the held copy"

# The click on Next made during the run must not act as Close now, nor on
# the turns that come after.
rewritten 2 || fail "a click made during the run closed the program afterwards"
grep -qP "^page\tsummary$" "$geometry" || fail "the page changed after the run"

click nextButton
expect_closed
echo "PASS: the window stayed alive through a held copy and took no input"
