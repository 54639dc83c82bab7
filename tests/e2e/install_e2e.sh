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
    xvfb-run -a -f "$work/Xauthority" -s "-screen 0 1280x1024x24" "$here/install_e2e.sh" "$exe" $language || status=$?
    exit "$status"
fi

work=$VELTRANO_E2E_WORK
root=$work/root
data=$work/data
geometry=$work/geometry.txt
mkdir -p "$root" "$data"

fail() {
    echo "FAIL: $*" >&2
    if [ -f "$geometry" ]; then
        echo "--- last geometry report" >&2
        cat "$geometry" >&2
    fi
    if [ -f "$work/stdout.txt" ]; then
        echo "--- program output" >&2
        cat "$work/stdout.txt" >&2
    fi
    exit 1
}

# The program under X, not the offscreen platform that the unit tests use,
# in the language asked for and nothing else.
env -u QT_QPA_PLATFORM -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG ${language:+LANGUAGE=$language} \
    VELTRANO_INSTALL_ROOT="$root" XDG_DATA_HOME="$data" VELTRANO_DEBUG_GEOMETRY="$geometry" \
    "$exe" >"$work/stdout.txt" 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

wizard_pid=$pid
source "$here/wizard.sh"

walk_to_install
wait_for "the summary page" "^page\tsummary$"
grep -q "^ERROR VALUE Ok$" "$work/stdout.txt" || fail "the install script did not answer Ok"

# The installed tree, for both sample products.
expect_sample_tree "" "$root/opt/Veltrano" "$root/usr/local/share/Adobe/Plug-Ins/CC/Veltrano" "$data/Adobe/Lightroom"
[ -z "$(find "$root" -mindepth 1 -maxdepth 1 ! -name opt ! -name usr)" ] || fail "files outside the staging folders"

# "Close" on the summary ends the program normally.
click nextButton "$close"
for _ in $(seq 1 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the program is still running after Close"
status=0
wait "$pid" || status=$?
[ "$status" = 0 ] || fail "the program exited with status $status"
trap - EXIT
echo "PASS: installed both sample products through the window${language:+ in $language}"
