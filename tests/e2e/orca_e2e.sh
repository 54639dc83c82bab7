#!/usr/bin/env bash
# A blind user's whole journey, judged by what the real Orca speaks: the
# installer on a virtual X server with a window manager, a session bus, the
# accessibility bus, speech-dispatcher writing to a file and Orca recording
# what it speaks in its debug file (orcasession.sh). Keys only, as xdotool
# types them: a successful installation (with the page list in Orca's flat
# review, Select All, and Orca's where-am-I while it runs) and a failed one
# (whose log is read and copied).
#
#   orca_e2e.sh <path to the VeltranoInstaller executable inside its bundle>
#
# Every step waits, with a bound, for the line Orca must speak. Exits 0 on
# success, 77 when it cannot run here, anything else on failure (with what
# Orca spoke since the last step).
set -euo pipefail

exe=$(realpath "${1:?usage: orca_e2e.sh <VeltranoInstaller executable>}")
here=$(dirname "$(realpath "$0")")

fail() {
    echo "FAIL: $*" >&2
    [ -n "${work:-}" ] && [ -f "$work/stdout.txt" ] && { echo "--- program output" >&2; cut -c1-2000 "$work/stdout.txt" >&2; }
    exit 1
}

if [ -z "${VELTRANO_ORCA_INNER:-}" ]; then
    for tool in xvfb-run dbus-run-session dbus-send xdotool orca speech-dispatcher matchbox-window-manager \
        /usr/libexec/at-spi-bus-launcher; do
        command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
    done
    if [ "$(id -u)" != 0 ]; then
        echo "SKIP: the installation runs without a password prompt only as root"
        exit 77
    fi
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    # A product of its own before the samples, which the journey meets first;
    # the installation is held on a FIFO, not by the size of what it copies.
    cp -R "$(realpath "$(dirname "$exe")/../..")" "$work/Installer.app"
    product="$work/Installer.app/Contents/Resources/Products/Bigshot 9"
    for part in 1 2 3 4; do
        mkdir -p "$product/Bigshot 9 Part $part"
        echo "Bigshot 9 part $part" >"$product/Bigshot 9 Part $part/data.bin"
    done
    status=0
    VELTRANO_ORCA_INNER=1 VELTRANO_ORCA_WORK="$work" \
        xvfb-run -a -f "$work/Xauthority" -s "-screen 0 1280x1024x24" \
        dbus-run-session -- "$(realpath "$0")" "$work/Installer.app/Contents/MacOS/$(basename "$exe")" || status=$?
    if [ "$status" != 0 ] && [ -f "$work/spoken.txt" ]; then
        echo "--- everything Orca spoke" >&2
        cat "$work/spoken.txt" >&2
    fi
    exit "$status"
fi

work=$VELTRANO_ORCA_WORK
source "$here/orcasession.sh"
orca_session_start

wizard_pid=
# start_wizard <install root> <data folder>
start_wizard() {
    env -u QT_QPA_PLATFORM -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG \
        QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 VELTRANO_INSTALL_ROOT="$1" XDG_DATA_HOME="$2" \
        "$exe" >"$work/stdout.txt" 2>&1 &
    wizard_pid=$!
    orca_pids+=("$wizard_pid")
}

# key <xdotool key> <what Orca must then say> <pattern>
key() {
    mark
    xdotool key "$1"
    expect "$2" "$3"
}

# flat_review <what> <last line> <pattern>...: reads the window line by line
# in Orca's flat review, from its top line (Orca+KP_Home) down (KP_Page_Up) to
# the first line after the top that matches <last line>. Each pattern must be
# on one of the lines, and one written !pattern on none (what another page
# shows).
flat_review() {
    local what=$1 last=$2 lines="" line pattern move=Insert+KP_Home
    shift 2
    for _ in $(seq 1 30); do
        key "$move" "the next line in flat review of $what" "."
        line=$(spoken_lines | sed -n "${spoken_mark}p")
        lines+="$line"$'\n'
        [ "$move" = KP_Page_Up ] && grep -qP -- "$last" <<<"$line" && break
        move=KP_Page_Up
    done
    grep -qP -- "$last" <<<"$line" || fail "flat review of $what did not come to /$last/ in:"$'\n'"$lines"
    for pattern; do
        if [[ $pattern == !* ]]; then
            ! grep -qP -- "${pattern#!}" <<<"$lines" || fail "flat review of $what read /${pattern#!}/ in:"$'\n'"$lines"
        else
            grep -qP -- "$pattern" <<<"$lines" || fail "flat review of $what did not read /$pattern/ in:"$'\n'"$lines"
        fi
    done
}

expect_ended() {
    poll "the program to end after Close" 100 eval '! kill -0 "$wizard_pid" 2>/dev/null'
    local status=0
    wait "$wizard_pid" || status=$?
    [ "$status" = 0 ] || fail "the program exited with status $status"
}

# From the welcome page to the products page, with the license alert on the
# way: Escape there is Read License, Return is Agree. With "tab", Tab leaves
# the welcome text and Shift+Tab comes back to it first; without, the
# welcome and license pages are read in flat review.
to_products() {
    expect "the window" "^Veltrano Installer frame"
    expect "the welcome page's title on arrival" "^Welcome to the Veltrano Plugin Installer"
    expect "the welcome text, which has the focus" "^You will be guided through the steps"
    if [ "${1:-}" = tab ]; then
        key Tab "Next after the welcome text" "^Next push button"
        key shift+Tab "the welcome text again" "^You will be guided through the steps"
    else
        flat_review "the welcome page" "Next$" "^Welcome to the Veltrano Plugin Installer$" \
            "^You will be guided through the steps" "Introduction, current page"
    fi
    key Return "the license page's title" "^Software License Agreement panel"
    expect "the license's first line" "^VELTRANO SOFTWARE LICENSE AGREEMENT"
    [ "${1:-}" = tab ] || flat_review "the license page" "^Summary" "VELTRANO SOFTWARE LICENSE AGREEMENT" \
        "License, current page" "!You will be guided"
    key Return "the license alert" "^alert To continue using the software you must agree"
    expect "the alert's choice" "^Click Agree to continue"
    key Escape "the license again after Read License" "^Software License Agreement panel"
    expect "the license as read-only text" "^read only text"
    key Return "the license alert again" "^alert To continue using the software you must agree"
    refuse "the alert's choice twice" "Click Agree.*Click Agree"
    key Return "the products page's title after Agree" "^Select Products to install panel"
    expect "the first product and its state" "^Bigshot 9 check box checked"
}

# --- A successful installation, with where-am-I while it runs.
# The run waits for the test while it copies a preset of Softhaze 3 into a
# FIFO in the user's files, whatever the machine's speed, so that Orca is
# asked where it is while the installation runs; reading the FIFO lets it go on.
held="$work/data/Adobe/Lightroom/Export Presets/Veltrano Softhaze 3/Softhaze 3 - Gentle Haze.lrtemplate"
mkdir -p "$(dirname "$held")"
mkfifo "$held"
start_wizard "$work/root" "$work/data"
to_products tab
# The page list beside the products: only the current page's row says so.
flat_review "the products page" "Next$" "^Veltrano$" "^Select Products to install$" "checked Bigshot 9" "checked Softhaze 3" \
    "checked Softhaze 4" "Products, current page" "Introduction(?!,)" "Summary(?!,)"
key space "Space clears the box" "^not checked"
key space "Space sets it again" "^checked"
key Tab "the next product" "^Softhaze 3 check box checked"
key Tab "the last product" "^Softhaze 4 check box checked"
key Tab "Select All" "^Select All push button"
key space "what Select All did" "All products selected"
key space "what Select All did, again" "All products selected"
key Tab "Go Back" "^Go Back push button"
key Tab "Next" "^Next push button"
key Return "the confirmation page's title" "^The following Products will be installed panel"
expect "the first product to install" "^Bigshot 9"
key Tab "the next product to install" "^Softhaze 3"
key Tab "the last product to install" "^Softhaze 4"
flat_review "the confirmation page" "Next$" "Bigshot 9" "Softhaze 3" "Softhaze 4" "Selected Products, current page" \
    "!checked" "!Select All"
# Back to the products and forward again: each visit is read whole.
key Tab "Go Back from the list" "^Go Back push button"
key Return "the products page again" "^Select Products to install panel"
expect "the first product again" "^Bigshot 9 check box checked"
flat_review "the products page again" "Next$" "checked Bigshot 9" "checked Softhaze 4" "Products, current page" \
    "!^Bigshot 9"
key Tab "Softhaze 3 from where the review left the focus" "^Softhaze 3 check box checked"
for name in "Softhaze 4" "Select All" "Go Back" "Next"; do
    key Tab "$name" "^$name"
done
key Return "the confirmation page again" "^The following Products will be installed panel"
flat_review "the confirmation page again" "Next$" "Bigshot 9" "Softhaze 4"
key Return "the install confirmation" '^alert Click "Install" button to complete the installation'
key Return "the progress overlay" "^alert Installing(…|\.\.\.)"
expect "the folder being copied" "^Copying “(Bigshot 9 Part [0-9]|Veltrano Softhaze 3)”"
key KP_Enter "the answer to where-am-I while it installs" "Installing(…|\.\.\.)"
# Flat review and say all while it installs: the progress alert, which Orca
# takes as the window, is read; its first line is the news of the folder.
flat_review "the progress alert" "^Copying" "^Installing(…|\.\.\.)$" "^progress bar [0-9]+ percent"
key KP_Add "the progress alert with say all" "^alert Installing(…|\.\.\.)"
cat "$held" >/dev/null
expect "the summary's name on arrival" "^Summary panel"
expect "the result with the message on arrival" "^Success read only text"
expect "the message on arrival" "^You have been successfully installed selected products"
flat_review "the summary" "Close$" "Success" "You have been successfully installed selected products" "Summary, current page" \
    "!Bigshot 9"
xdotool key Return
expect_ended
[ -f "$work/root/opt/Veltrano/Softhaze 3 Plug-in/softhaze3.filter" ] || fail "Softhaze 3 was not installed"

# --- A failed installation: the maker's folder would have to be made inside
# a plain file. The log is read, and Escape closes it.
touch "$work/plain-file"
start_wizard "$work/plain-file" "$work/data2"
to_products
for name in "Softhaze 3" "Softhaze 4" "Select All" "Go Back" "Next"; do
    key Tab "$name" "^$name"
done
key Return "the confirmation page's title" "^The following Products will be installed panel"
key Return "the install confirmation" '^alert Click "Install" button'
# The run fails at its first command, mostly before the progress overlay is heard.
key Return "the summary's name on arrival" "^Summary panel"
expect "the result with the message on arrival" "^Failed read only text"
expect "the message on arrival" "^The installation was not completed successfully"
flat_review "the failed summary" "Close$" "Failed" "The installation was not completed successfully" "Details"
key Tab "the Details link" "Details"
key Return "the log window by its message" "^The installation was not completed successfully"
expect "the log window" "dialog"
key Tab "the log, read from its text" "Not a directory|plain-file|File exists"
key Tab "Copy to Clipboard" "^Copy to Clipboard push button"
key space "what Copy did" "Copied to the clipboard"
key Escape "the summary again after Escape closes the log" "Details"
key Return "Return on Details opens the log again" "^The installation was not completed successfully"
key Escape "the summary again" "Details"
key shift+Tab "the message again" "The installation was not completed successfully"
xdotool key Return
expect_ended
echo "PASS: Orca spoke every page, the result and the log of a journey with the keyboard alone"
