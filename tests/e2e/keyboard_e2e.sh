#!/usr/bin/env bash
# Installs the sample products with the keyboard alone: starts the real
# program on a virtual X server and goes from the welcome page through the
# license alert and the install confirmation to the success summary with key
# presses only (Space presses the focused control, Return the focused button
# or the default, Escape backs out of an alert, Tab moves the focus), then
# checks the installed tree and that Return on the summary ("Close") ends the
# program.
#
#   keyboard_e2e.sh <path to the VeltranoInstaller executable inside its bundle>
#
# Before each key the script waits until the program's geometry report
# (VELTRANO_DEBUG_GEOMETRY) shows the focus where the key is meant to land.
# Exits 0 on success, 77 when it cannot run here, anything else on failure.
set -euo pipefail

exe=$(realpath "${1:?usage: keyboard_e2e.sh <VeltranoInstaller executable>}")
here=$(dirname "$(realpath "$0")")

source "$here/underx.sh"
source "$here/wizard.sh"
if e2e_outside_x; then
    e2e_again_under_x "$exe"
fi
e2e_under_x

# press <key> <objectName that must have the focus first>
press() {
    wait_for "the focus on $2" "^focus\t$2$"
    xdotool key "$1"
}

wait_for "the welcome page" "^page\tintro$"
# The window takes the keyboard as a desktop gives it a new window.
window=$(xdotool search --sync --class VeltranoInstaller | head -n 1)
xdotool windowfocus --sync "$window"

# Each page puts the focus on its first thing; Tab leads on to Next.
press Tab welcomeText
press space nextButton
wait_for "the license page" "^page\tlicense$"
# Return on the license text is the page's default, Next; Escape on the alert
# is Read License, which gives the license the focus again.
press Return QTextEdit
wait_for "the license alert" "^overlay\tlicenseAlert$"
press Escape LicenseAlert
wait_for "no overlay after Read License" "^overlay\tnone$"
press Return QTextEdit
wait_for "the license alert again" "^overlay\tlicenseAlert$"
press Tab LicenseAlert
press Tab readLicenseButton
press Tab disagreeButton
press space agreeButton
wait_for "the products page" "^page\tproducts$"
wait_for "no overlay" "^overlay\tnone$"
# The focus is on the first product; Space toggles it, Tab goes on to Next.
press space "productRow:Softhaze 3"
wait_for "Next still enabled with one product" "^button\tNext\tnextButton\t1\t"
press space "productRow:Softhaze 3"
press Tab "productRow:Softhaze 3"
press Tab "productRow:Softhaze 4"
press Tab selectAllButton
press Tab goBackButton
press Return nextButton
wait_for "the install page" "^page\tinstall$"
press Return "selectedRow:Softhaze 3"
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

press Return summaryMessage
expect_closed
echo "PASS: installed both sample products with the keyboard alone"
