# Drives the installer's window through the X server, for test scripts.
# Source it, then set:
#   wizard_pid       the process whose end means the window is gone
#   geometry         the file the program writes its VELTRANO_DEBUG_GEOMETRY report to
#   next agree install
#                    optional: the labels those buttons must show (any label
#                    when unset)
# and define fail() (it must not return). xdotool clicks on $DISPLAY.

# wait_for <description> <grep -P pattern>: until the report has a matching line.
wait_for() {
    local what=$1 pattern=$2
    for _ in $(seq 1 300); do
        kill -0 "$wizard_pid" 2>/dev/null || fail "the program ended while waiting for $what"
        if [ -f "$geometry" ] && grep -qP "$pattern" "$geometry"; then
            return 0
        fi
        sleep 0.1
    done
    fail "timed out waiting for $what"
}

# rewritten <count>: until the report has been rewritten <count> times since
# the call, each time on a later turn of the program's event loop, so that
# whatever the program had yet to do about earlier input it has done; false
# when the program ends first.
rewritten() {
    local left=$1 last now
    last=$(stat -c %y "$geometry")
    for _ in $(seq 1 600); do
        kill -0 "$wizard_pid" 2>/dev/null || return 1
        now=$(stat -c %y "$geometry")
        if [ "$now" != "$last" ]; then
            last=$now
            left=$((left - 1))
            [ "$left" -gt 0 ] || return 0
        fi
        sleep 0.05
    done
    fail "the report was not rewritten $1 times in half a minute"
}

# click <objectName> [label]: the middle of that enabled, visible button,
# which must show that label when one is given.
click() {
    local name=$1 label='[^\t]*' line x y w h
    [ -n "${2:-}" ] && label=$2
    wait_for "an enabled $name${2:+ reading \"$2\"}" "^button\t$label\t$name\t1\t"
    line=$(grep -P "^button\t$label\t$name\t1\t" "$geometry" | head -n 1)
    read -r x y w h <<<"$(cut -f5 <<<"$line")"
    # Not --sync: it waits forever for a move when the pointer is already
    # there, as it is for two Next clicks in a row.
    xdotool mousemove $((x + w / 2)) $((y + h / 2)) sleep 0.1 click 1
}

# From the welcome page through the license alert to the install
# confirmation, then "Install".
walk_to_install() {
    wait_for "the welcome page" "^page\tintro$"
    click nextButton "${next:-}"
    wait_for "the license page" "^page\tlicense$"
    click nextButton "${next:-}"
    wait_for "the license alert" "^overlay\tlicenseAlert$"
    click agreeButton "${agree:-}"
    wait_for "the products page" "^page\tproducts$"
    wait_for "no overlay" "^overlay\tnone$"
    click nextButton "${next:-}"
    confirm_install
}

# From the install page: Next, then "Install" in the confirmation.
confirm_install() {
    wait_for "the install page" "^page\tinstall$"
    click nextButton "${next:-}"
    wait_for "the install confirmation" "^overlay\tinstallConfirmation$"
    click installButton "${install:-}"
}

# expect_sample_tree <prefix> <maker's folder> <shared plug-ins folder> <Lightroom folder>:
# both sample products installed there. The folders are as the program saw
# them; <prefix> is where its root is from here ("" unless it ran in a chroot).
expect_sample_tree() {
    local at=$1 apps=$2 plugins=$3 lightroom=$4 n product
    expect_file() { [ -f "$at$1" ] || fail "missing file $at$1"; }
    expect_link() { [ -L "$at$1" ] && [ "$(readlink "$at$1")" = "$2" ] || fail "$at$1 is not a link to $2"; }
    for n in 3 4; do
        product="Softhaze $n"
        expect_file "$apps/$product Plug-in/softhaze$n.filter"
        expect_link "$plugins/$product Plug-in" "$apps/$product Plug-in"
        expect_file "$apps/$product Lightroom/softhaze$n.lrdevplugin/Info.lua"
        expect_file "$apps/$product Lightroom/Softhaze$n.app/Contents/softhaze$n"
        [ "$(cat "$at$apps/$product Lightroom/softhaze$n.lrdevplugin/Path.txt")" = "$apps/$product Lightroom" ] ||
            fail "Path.txt of $product does not name its folder"
        expect_link "$lightroom/Modules/softhaze$n.lrdevplugin" "$apps/$product Lightroom/softhaze$n.lrdevplugin"
        expect_file "$lightroom/Export Presets/Veltrano Softhaze $n/Softhaze $n - Gentle Haze.lrtemplate"
        expect_file "$lightroom/Export Presets/Veltrano Softhaze $n/Softhaze $n - Soft Glow.lrtemplate"
        grep -q "externalEditorFullPath = \"$apps/$product Lightroom/Softhaze$n.app\"" \
            "$at$lightroom/External Editor Presets/Veltrano/Veltrano Softhaze $n.lrtemplate" ||
            fail "the External Editor preset of $product does not name its application"
    done
}
