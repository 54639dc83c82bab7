#!/usr/bin/env bash
# Installs the sample products with the keyboard alone: starts the real
# program on a virtual X server and goes from the welcome page through the
# license alert and the install confirmation to the success summary with key
# presses only (Space presses the focused control, Tab moves the focus), then
# checks the installed tree and that Space on "Close" ends the program.
#
#   keyboard_e2e.sh <path to the VeltranoInstaller executable inside its bundle>
#
# Before each key the script waits until the program's geometry report
# (VELTRANO_DEBUG_GEOMETRY) shows the focus where the key is meant to land.
# Exits 0 on success, 77 when it cannot run here, anything else on failure.
set -euo pipefail

exe=$(realpath "${1:?usage: keyboard_e2e.sh <VeltranoInstaller executable>}")
here=$(dirname "$(realpath "$0")")

if [ -z "${VELTRANO_E2E_UNDER_X:-}" ]; then
    for tool in xvfb-run xdotool; do
        command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
    done
    if [ "$(id -u)" != 0 ]; then
        echo "SKIP: the installation runs without a password prompt only as root"
        exit 77
    fi
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    export VELTRANO_E2E_UNDER_X=1 VELTRANO_E2E_WORK="$work"
    status=0
    xvfb-run -a -f "$work/Xauthority" -s "-screen 0 1280x1024x24" "$here/keyboard_e2e.sh" "$exe" || status=$?
    exit "$status"
fi

work=$VELTRANO_E2E_WORK
root=$work/root
data=$work/data
geometry=$work/geometry.txt
mkdir -p "$root" "$data"

fail() {
    echo "FAIL: $*" >&2
    [ -f "$geometry" ] && { echo "--- last geometry report" >&2; cat "$geometry" >&2; }
    [ -f "$work/stdout.txt" ] && { echo "--- program output" >&2; cat "$work/stdout.txt" >&2; }
    exit 1
}

env -u QT_QPA_PLATFORM -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG \
    VELTRANO_INSTALL_ROOT="$root" XDG_DATA_HOME="$data" VELTRANO_DEBUG_GEOMETRY="$geometry" \
    "$exe" >"$work/stdout.txt" 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

wait_for() {
    local what=$1 pattern=$2
    for _ in $(seq 1 150); do
        kill -0 "$pid" 2>/dev/null || fail "the program ended while waiting for $what"
        if [ -f "$geometry" ] && grep -qP "$pattern" "$geometry"; then
            return 0
        fi
        sleep 0.1
    done
    fail "timed out waiting for $what"
}

# press <key> <objectName that must have the focus first>
press() {
    wait_for "the focus on $2" "^focus\t$2$"
    xdotool key "$1"
}

wait_for "the welcome page" "^page\tintro$"
# The window takes the keyboard as a desktop gives it a new window.
window=$(xdotool search --sync --class VeltranoInstaller | head -n 1)
xdotool windowfocus --sync "$window"

press space nextButton
wait_for "the license page" "^page\tlicense$"
press space nextButton
wait_for "the license alert" "^overlay\tlicenseAlert$"
press Tab LicenseAlert
press Tab readLicenseButton
press Tab disagreeButton
press space agreeButton
wait_for "the products page" "^page\tproducts$"
wait_for "no overlay" "^overlay\tnone$"
# The focus is back on Next; Shift+Tab reaches the rows, Space toggles one.
press shift+Tab nextButton
press shift+Tab goBackButton
press shift+Tab selectAllButton
press space "productRow:Softhaze 4"
wait_for "Next still enabled with one product" "^button\tNext\tnextButton\t1\t"
press space "productRow:Softhaze 4"
press Tab "productRow:Softhaze 4"
press Tab selectAllButton
press Tab goBackButton
press space nextButton
wait_for "the install page" "^page\tinstall$"
press space nextButton
wait_for "the install confirmation" "^overlay\tinstallConfirmation$"
press Tab InstallAlert
press Tab cancelInstallButton
press space installButton
wait_for "the summary page" "^page\tsummary$"
grep -q "^ERROR VALUE Ok$" "$work/stdout.txt" || fail "the install script did not answer Ok"

apps=$root/opt/Veltrano
for n in 3 4; do
    [ -f "$apps/Softhaze $n Plug-in/softhaze$n.filter" ] || fail "Softhaze $n was not installed"
    [ -L "$data/Adobe/Lightroom/Modules/softhaze$n.lrdevplugin" ] || fail "Softhaze $n's Lightroom plug-in is not linked"
done

press space nextButton
for _ in $(seq 1 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the program is still running after Close"
status=0
wait "$pid" || status=$?
[ "$status" = 0 ] || fail "the program exited with status $status"
trap - EXIT
echo "PASS: installed both sample products with the keyboard alone"
