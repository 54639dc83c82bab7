#!/usr/bin/env bash
# The packaged .run through the real pkexec and polkitd, on a Debian desktop
# without Qt, as unprivileged users without a controlling terminal, with an
# authentication agent registered for the installer's process:
#   - no agent at all: a readable failure, no hang, nothing installed;
#   - a wrong password: a failure, nothing installed;
#   - a user who is no administrator (the agent answers with that user's own
#     password): a failure, nothing installed;
#   - Cancel, then the right password: the wizard stays on the install page
#     and prints nothing, the second try installs with one prompt; system
#     files belong to root, the folders handed back to the user are the
#     user's. Every entry of the home that is not the user's is listed in
#     <home report> (one "owner path" a line), for home_owned.sh to judge.
#   polkit_install.sh <folder with the .run> <answering agent> <home report>
set -euo pipefail
here=$(dirname "$(realpath "$0")")
source "$here/lib/common.sh"
source "$here/lib/world.sh"
source "$here/lib/realpolkit.sh"
dist=$(realpath "${1:?usage: polkit_install.sh <folder with the .run> <answering agent>}")
POLKIT_AGENT=$(realpath "${2:?usage: polkit_install.sh <folder with the .run> <answering agent> <home report>}")
home_report=$(realpath "${3:?usage: polkit_install.sh <folder with the .run> <answering agent> <home report>}")
rm -f "$home_report"
system_require debootstrap chroot unshare Xvfb xdotool
system_private "$@"

polkit_desktop "$dist"

# Each user's own password, so that no user's answer unlocks another's.
password() { echo "$1-Secret-1"; }
for user in vpkgadmin vpkgwrong vpkgnoagent; do
    polkit_add_user "$root" $user admin "$(password $user)"
done
polkit_add_user "$root" vpkgstandard standard "$(password vpkgstandard)"

source "$here/../e2e/wizard.sh"

# start USER [RESPONSE...]: the .run as USER; with responses, an agent for
# the installer's process answers with them (its log: /tmp/USER.agent).
start() {
    local user=$1; shift
    user_name=$user
    output=$work/$user.out
    geometry=$root/tmp/$user.geometry
    agent_log=$root/tmp/$user.agent
    polkit_run_as "$root" "$user" DISPLAY="$DISPLAY" VELTRANO_DEBUG_GEOMETRY="/tmp/$user.geometry" \
        sh /srv/installer.run >"$output" 2>&1
    run_pid=$polkit_run_pid
    system_track "$run_pid"
    wizard_pid=$(wait_installer "$run_pid") || { cat "$output" >&2; fail "the installer did not start for $user"; }
    wait_for "the welcome page" "^page\tintro$"
    if [ $# -gt 0 ]; then
        polkit_agent "$root" "$user" "$wizard_pid" "/tmp/$user.agent" "$@" || fail "the agent did not register"
    fi
}

# expect_failure: the run ended on the summary with a failure, and nothing
# was installed.
expect_failure() {
    wait_for "the summary page" "^page\tsummary$"
    grep -q "^ERROR VALUE " "$output" || fail "no result was printed for $user_name"
    grep -q "^ERROR VALUE Ok$" "$output" && fail "the run of $user_name succeeded"
    [ ! -e "$root/opt/Veltrano" ] || fail "files were installed in a failed run of $user_name"
}

close() {
    click nextButton
    local status=0
    wait "$run_pid" || status=$?
    [ "$status" = 0 ] || fail "the .run of $user_name exited with $status"
}

requests() { grep -c '^request ' "$agent_log" || true; }

start vpkgnoagent
walk_to_install
expect_failure
# The message names its causes one to a line, below the ERROR VALUE line.
sed -n '/^ERROR VALUE /,$p' "$output" | grep -q "authentication agent" ||
    fail "no readable message without an agent: $(cat "$output")"
close

start vpkgwrong password:not-the-password
walk_to_install
expect_failure
grep -qx "completed 0" "$agent_log" || fail "the agent saw no refused password"
close

start vpkgstandard "password:$(password vpkgstandard)"
walk_to_install
expect_failure
grep -q "^request org.freedesktop.policykit.exec unix-user:vpkg" "$agent_log" || fail "no administrator was asked for"
grep -q "unix-user:vpkgstandard$" "$agent_log" && fail "a standard user was asked to authenticate as itself"
close

start vpkgadmin cancel "password:$(password vpkgadmin)"
walk_to_install
polkit_wait_for 30 "the dismissed prompt" grep -qx dismissed "$agent_log" || fail "the agent was never asked"
wait_for "the install page after Cancel" "^page\tinstall$"
wait_for "no overlay after Cancel" "^overlay\tnone$"
rewritten 2 || fail "the installer ended after Cancel"
grep -qE "^(ERROR VALUE|Error:) " "$output" && fail "Cancel printed a result: $(grep -E '^(ERROR VALUE|Error:) ' "$output")"
[ "$(requests)" = 1 ] || fail "$(requests) prompts before the second try"
confirm_install
wait_for "the summary page" "^page\tsummary$"
grep -q "^ERROR VALUE Ok$" "$output" || fail "the second try did not succeed: $(cat "$output")"
[ "$(requests)" = 2 ] || fail "the second try asked $(( $(requests) - 1 )) times, not once"
lightroom=/home/vpkgadmin/.local/share/Adobe/Lightroom
expect_sample_tree "$root" /opt/Veltrano /usr/local/share/Adobe/Plug-Ins/CC/Veltrano "$lightroom"
foreign=$(find "$root/opt/Veltrano" "$root/usr/local/share/Adobe" ! -uid 0 -printf '%u %p\n')
[ -z "$foreign" ] || fail "system files not owned by root: $foreign"
uid=$(chroot "$root" id -u vpkgadmin)
foreign=$(find "$root$lightroom/Modules" "$root$lightroom/Export Presets/Veltrano Softhaze"* \
    "$root$lightroom/External Editor Presets/Veltrano" ! -uid "$uid" -printf '%u %p\n')
[ -z "$foreign" ] || fail "folders handed back to the user are not the user's: $foreign"
find "$root/home/vpkgadmin" ! -uid "$uid" -printf '%u /%P\n' >"$home_report"
close
echo "PASS: installs through the real polkit; cancel, wrong password, standard user and no agent handled"
