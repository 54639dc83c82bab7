#!/usr/bin/env bash
# Installs the sample products the way a user does: starts the real program
# on a virtual X server and clicks from the welcome page through the license
# alert and the install confirmation to the success summary, then checks the
# installed tree and that "Close" ends the program.
#
#   install_e2e.sh <path to the VeltranoInstaller executable inside its bundle> [de]
#
# With a language the program starts with LANGUAGE set to it, and every
# button clicked must show its label in that language; without one no
# language is set, and the labels are English.
#
# Everything is installed into a temporary folder (VELTRANO_INSTALL_ROOT and
# XDG_DATA_HOME). The program reports where its buttons are through
# VELTRANO_DEBUG_GEOMETRY; xdotool moves the pointer there and clicks.
# Exits 0 on success, 77 when it cannot run here (not root, so the install
# would ask for a password; no X tools), anything else on failure.
set -euo pipefail
# E2E_TRACE=1 shows each step with the second it ran at.
[ -n "${E2E_TRACE:-}" ] && { PS4='+ $(date +%S.%N | cut -c1-6) '; set -x; }

exe=$(realpath "${1:?usage: install_e2e.sh <VeltranoInstaller executable> [language]}")
language=${2:-}
here=$(dirname "$(realpath "$0")")
case "$language" in
    "") next=Next agree=Agree install=Install close=Close ;;
    de) next=Weiter agree=Zustimmen install=Installieren close=Schließen ;;
    *) echo "no button labels known for $language" >&2; exit 2 ;;
esac

source "$here/underx.sh"
source "$here/wizard.sh"
if e2e_outside_x; then
    e2e_again_under_x "$exe" $language
fi
e2e_under_x ${language:+LANGUAGE=$language}

walk_to_install
wait_for "the summary page" "^page\tsummary$"
grep -q "^ERROR VALUE Ok$" "$work/stdout.txt" || fail "the install script did not answer Ok"

# The installed tree, for both sample products.
expect_sample_tree "" "$root/opt/Veltrano" "$root/usr/local/share/Adobe/Plug-Ins/CC/Veltrano" "$data/Adobe/Lightroom"
[ -z "$(find "$root" -mindepth 1 -maxdepth 1 ! -name opt ! -name usr)" ] || fail "files outside the staging folders"

# "Close" on the summary ends the program normally.
click nextButton "$close"
expect_closed
echo "PASS: installed both sample products through the window${language:+ in $language}"
