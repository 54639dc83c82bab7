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

# wait_for <description> <grep pattern>: until the report has a matching line.
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

# click <objectName> <label>: the middle of that enabled, visible button,
# which must show that label.
click() {
    local name=$1 label=$2 line x y w h
    wait_for "an enabled $name reading \"$label\"" "^button\t$label\t$name\t1\t"
    line=$(grep -P "^button\t$label\t$name\t1\t" "$geometry" | head -n 1)
    read -r x y w h <<<"$(cut -f5 <<<"$line")"
    # Not --sync: it waits forever for a move when the pointer is already
    # there, as it is for two Next clicks in a row.
    xdotool mousemove $((x + w / 2)) $((y + h / 2)) sleep 0.1 click 1
}

wait_for "the welcome page" "^page\tintro$"
click nextButton "$next"
wait_for "the license page" "^page\tlicense$"
click nextButton "$next"
wait_for "the license alert" "^overlay\tlicenseAlert$"
click agreeButton "$agree"
wait_for "the products page" "^page\tproducts$"
wait_for "no overlay" "^overlay\tnone$"
click nextButton "$next"
wait_for "the install page" "^page\tinstall$"
click nextButton "$next"
wait_for "the install confirmation" "^overlay\tinstallConfirmation$"
click installButton "$install"
wait_for "the summary page" "^page\tsummary$"
grep -q "^ERROR VALUE Ok$" "$work/stdout.txt" || fail "the install script did not answer Ok"

# The installed tree, for both sample products.
expect_file() { [ -f "$1" ] || fail "missing file $1"; }
expect_link() { [ -L "$1" ] && [ "$(readlink "$1")" = "$2" ] || fail "$1 is not a link to $2"; }
apps=$root/opt/Veltrano
plugins=$root/usr/local/share/Adobe/Plug-Ins/CC/Veltrano
lightroom=$data/Adobe/Lightroom
for n in 3 4; do
    product="Softhaze $n"
    expect_file "$apps/$product Plug-in/softhaze$n.filter"
    expect_link "$plugins/$product Plug-in" "$apps/$product Plug-in"
    expect_file "$apps/$product Lightroom/softhaze$n.lrdevplugin/Info.lua"
    expect_file "$apps/$product Lightroom/Softhaze$n.app/Contents/softhaze$n"
    [ "$(cat "$apps/$product Lightroom/softhaze$n.lrdevplugin/Path.txt")" = "$apps/$product Lightroom" ] ||
        fail "Path.txt of $product does not name its folder"
    expect_link "$lightroom/Modules/softhaze$n.lrdevplugin" "$apps/$product Lightroom/softhaze$n.lrdevplugin"
    expect_file "$lightroom/Export Presets/Veltrano Softhaze $n/Softhaze $n - Gentle Haze.lrtemplate"
    expect_file "$lightroom/Export Presets/Veltrano Softhaze $n/Softhaze $n - Soft Glow.lrtemplate"
    grep -q "externalEditorFullPath = \"$apps/$product Lightroom/Softhaze$n.app\"" \
        "$lightroom/External Editor Presets/Veltrano/Veltrano Softhaze $n.lrtemplate" ||
        fail "the External Editor preset of $product does not name its application"
done
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
