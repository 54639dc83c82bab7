#!/usr/bin/env bash
# A standard user's attempts to turn the administrator's password into more
# than the installation, through the real pkexec and polkitd, on a Debian
# desktop without Qt, with the packaged .run. Each row plants its attack,
# lets an administrator answer the prompt, and checks afterwards that no
# file outside the install folders and the user's own changed, that nothing
# of root's became readable to the user, and that no process of root's is
# left.
#   polkit_attacks.sh <folder with the .run> <answering agent> <tryattach> <rawrequests>
set -euo pipefail
here=$(dirname "$(realpath "$0")")
source "$here/lib/common.sh"
source "$here/lib/world.sh"
source "$here/lib/realpolkit.sh"
usage="usage: polkit_attacks.sh <folder with the .run> <answering agent> <tryattach> <rawrequests>"
dist=$(realpath "${1:?$usage}")
POLKIT_AGENT=$(realpath "${2:?$usage}")
tryattach=$(realpath "${3:?$usage}")
rawrequests=$(realpath "${4:?$usage}")
system_require debootstrap chroot unshare Xvfb xdotool
system_private "$@"

polkit_desktop "$dist"
install -m 755 "$tryattach" "$root/usr/local/bin/tryattach"
install -m 755 "$rawrequests" "$root/usr/local/bin/rawrequests"

admin_password=vadmin-Secret-1
polkit_add_user "$root" vadmin admin "$admin_password"
polkit_add_user "$root" vattack standard vattack-Secret-1
user=vattack
home=/home/$user
uid=$(chroot "$root" id -u $user)
# What only root may read, and what no link may lead root to change.
secret="root-only-$RANDOM$RANDOM"
echo "$secret" >"$root/root/secret"
chmod 600 "$root/root/secret"
echo "$secret" >"$root/etc/veltrano-victim"
chmod 600 "$root/etc/veltrano-victim"

source "$here/../e2e/wizard.sh"

as_user() { chroot --userspec="$user:$user" "$root" /usr/bin/env -i $polkit_path HOME="$home" "$@"; }

# Everything outside the install folders, the user's home, the test's own
# tools and the places that change on their own, with owner and mode, and
# of what is not a folder also size and time (a folder's entries are
# listed themselves).
system_state() {
    find "$root" -xdev \( -path "$root/proc" -o -path "$root/tmp" -o -path "$root$home" -o -path "$root/run" \
        -o -path "$root/opt/Veltrano" -o -path "$root/usr/local/share/Adobe" -o -path "$root/var/tmp" \
        -o -path "$root/usr/local/bin" \) -prune \
        -o -type d -printf '%p %U:%G %m\n' -o -printf '%p %y %U:%G %m %s %T@\n' | sort
}

# Processes of root's inside the desktop root, apart from the system bus and polkitd.
root_processes() {
    local proc pid
    for proc in /proc/[0-9]*; do
        pid=${proc#/proc/}
        [ "$(readlink "$proc/root" 2>/dev/null)" = "$root" ] || continue
        [ "$(stat -c %u "$proc" 2>/dev/null)" = 0 ] || continue
        [[ " ${polkit_pids[*]} " == *" $pid "* ]] && continue
        echo "$pid $(tr '\0' ' ' <"$proc/cmdline" 2>/dev/null)"
    done
}

no_root_process_within() {
    local seconds=$1 left
    for _ in $(seq 1 $((seconds * 10))); do
        left=$(root_processes)
        [ -z "$left" ] && return 0
        sleep 0.1
    done
    fail "$row: processes of root's still run after ${seconds}s: $left"
}

# start [NAME=VALUE...]: the .run as the user with those variables; an agent
# for the installer's process answers with the administrator's password.
start() {
    output=$work/run.out
    geometry=$root/tmp/$user.geometry
    rm -f "$geometry"
    polkit_run_as "$root" "$user" DISPLAY="$DISPLAY" VELTRANO_DEBUG_GEOMETRY="/tmp/$user.geometry" "$@" \
        sh /srv/installer.run >"$output" 2>&1
    run_pid=$polkit_run_pid
    system_track "$run_pid"
    wizard_pid=$(wait_installer "$run_pid") || { cat "$output" >&2; fail "$row: the installer did not start"; }
    wait_for "the welcome page" "^page\tintro$"
    polkit_agent "$root" "$user" "$wizard_pid" "/tmp/$user.agent" "password:$admin_password" "password:$admin_password" ||
        fail "$row: the agent did not register"
}

finish() {
    wait_for "the summary page" "^page\tsummary$"
    click nextButton
    wait "$run_pid" || true
}

outcome() { sed -n 's/^ERROR VALUE //p' "$output"; }

# The folder of the running installer's program, as the desktop root sees it.
bundle_folder() {
    local exe
    exe=$(readlink "/proc/$wizard_pid/exe")
    dirname "${exe#"$root"}"
}

fresh() {
    row=$1
    echo "row: $row"
    rm -rf "$root$home" "$root/opt/Veltrano" "$root/usr/local/share/Adobe" "$root/Adobe" "$root/tmp/$user".*
    mkdir -p "$root$home"
    chroot "$root" chown "$user:$user" "$home"
    before=$(system_state)
}

# After every row: nothing outside the install folders and the home
# changed, no copy of root's secret lies where the user can read it, and no
# process of root's is left.
judge() {
    local after readable
    no_root_process_within 2
    after=$(system_state)
    [ "$before" = "$after" ] || fail "$row: files outside the install folders changed: $(diff <(echo "$before") <(echo "$after") | head -20)"
    readable=$(as_user sh -c "grep -rls '$secret' /opt /usr/local/share /home /tmp 2>/dev/null" || true)
    [ -z "$readable" ] || fail "$row: root's secret is readable by the user in: $readable"
    [ ! -e "$root/Adobe" ] || fail "$row: root wrote /Adobe"
    polkit_stop_agents
}

polkit_stop_agents() {
    local pid kept=()
    for pid in "${polkit_pids[@]}"; do
        if [ "$(stat -c %u "/proc/$pid" 2>/dev/null)" = "$uid" ]; then
            kill "$pid" 2>/dev/null || true
            wait "$pid" 2>/dev/null || true
        else
            kept+=("$pid")
        fi
    done
    polkit_pids=("${kept[@]}")
}

# 1. The user's data folder is the root folder: the Lightroom commands would
# have run as root in /Adobe/Lightroom; as the user they cannot write there.
fresh "XDG_DATA_HOME=/"
start XDG_DATA_HOME=/
walk_to_install
finish
[ "$(outcome)" != Ok ] || fail "$row: the run succeeded"
grep -q "Permission denied" <<<"$(outcome)" || fail "$row: not refused by the file system: $(outcome)"
judge

# 2. A product folder of the user's unpacked bundle swapped for a link to
# /root while root copies the product.
fresh "a product folder swapped for a link during root's copy"
mkdir -p "$root/tmp/fast"
mount -t tmpfs -o mode=1777 tmpfs "$root/tmp/fast"
start TMPDIR=/tmp/fast
element=$(bundle_folder)/../Resources/Products/Softhaze\ 3/Softhaze\ 3\ Plug-in
# Made first, so that root meets it last, after a large file.
as_user sh -c "mkdir '$element/presets' && echo preset >'$element/presets/a' &&
    dd if=/dev/zero of='$element/large.bin' bs=1M count=384 status=none" || fail "$row: cannot change the bundle"
as_user sh -c "while [ ! -e '/opt/Veltrano/Softhaze 3 Plug-in/large.bin' ]; do sleep 0.05; done;
    mv '$element/presets' '$element/old-presets' && ln -s /root '$element/presets'" &
swapper=$!
walk_to_install
finish
wait "$swapper" || fail "$row: the swap did not happen"
grep -q "refusing to install" <<<"$(outcome)" || fail "$row: the swap was not refused: $(outcome)"
[ ! -e "$root/opt/Veltrano/Softhaze 3 Plug-in/presets/secret" ] || fail "$row: root copied /root"
judge
umount "$root/tmp/fast"

# 3. The installer killed by the user while a command blocks on a FIFO the
# user made: the helper and everything it started end with it.
fresh "the installer killed while a command blocks"
fifo="$home/.local/share/Adobe/Lightroom/External Editor Presets/Veltrano/Veltrano Softhaze 3.lrtemplate"
as_user sh -c "mkdir -p \"\$(dirname '$fifo')\" && mkfifo '$fifo'"
start
walk_to_install
blocked() { grep -l 'Softhaze [3][.]lrtemplate' /proc/[0-9]*/cmdline 2>/dev/null; }
unblocked() { ! blocked >/dev/null; }
polkit_wait_for 60 "the blocked command" blocked >/dev/null || fail "$row: the command never blocked"
as_user sh -c "kill -KILL $wizard_pid"
polkit_wait_for 2 "the blocked command to end with the installer" unblocked ||
    fail "$row: the command the helper started outlived the installer: $(blocked)"
wait "$run_pid" || true
judge

# 4. The helper started by the user through pkexec, with the very prompt the
# installer shows: shell text runs only as the user, nothing leaves the
# install folders, and nothing of root's is read.
fresh "the helper run directly"
start
helper=$(bundle_folder)/VeltranoHelper
# The requests' writer stays until the last request has run, as a helper
# takes a closed request pipe for its installer's end.
polkit_run_as "$root" "$user" sh -c "while [ ! -e /tmp/go ]; do sleep 0.05; done;
    { /usr/local/bin/rawrequests U M '' 'id -u > /tmp/direct-id; touch /root/x' \
                M M '' '' \
                C M /root '' \
                W M ../../../etc/veltrano-victim x \
                W M 'a/../../../../etc/veltrano-victim' x \
                L M ../../../../etc/cron.d/x '' \
                G M /etc '' \
                U M '' 'touch /tmp/direct-done';
      while [ ! -e /tmp/direct-done ]; do sleep 0.05; done; } | pkexec '$helper' >/tmp/direct.out 2>/tmp/direct.err"
direct_pid=$polkit_run_pid
system_track "$direct_pid"
polkit_agent "$root" "$user" "$direct_pid" "/tmp/$user.direct-agent" "password:$admin_password" ||
    fail "$row: the agent for the direct run did not register"
touch "$root/tmp/go"
wait "$direct_pid" || true
grep -q "^request org.freedesktop.policykit.exec unix-user:vadmin" "$root/tmp/$user.direct-agent" ||
    fail "$row: pkexec asked nobody: $(cat "$root/tmp/$user.direct-agent")"
[ "$(cat "$root/tmp/direct-id" 2>/dev/null)" = "$uid" ] || fail "$row: the user's shell text did not run as the user: $(cat "$root/tmp/direct.err" "$root/tmp/$user.direct-agent"; tr -c "[:print:]\n" . <"$root/tmp/direct.out")"
[ ! -e "$root/root/x" ] || fail "$row: the helper ran shell text as root"
for refusal in "refuses to write a file" "refuses to link" "Permission denied"; do
    grep -aq "$refusal" "$root/tmp/direct.out" || fail "$row: no refusal \"$refusal\": $(tr -c '[:print:]\n' . <"$root/tmp/direct.out")"
done
rm -f "$root/tmp/go" "$root/tmp/direct-id" "$root/tmp/direct-done"
# 5. A debugger of the same user cannot attach to the installer, which is
# open all along: it turned non-traceable at its start, so its /proc entries
# are root's.
attach=$(as_user /usr/local/bin/tryattach "$wizard_pid")
[ "$attach" = "$(printf 'ptrace: refused: Operation not permitted\nmem: refused: Permission denied')" ] ||
    fail "a debugger of the user's attached: $attach"
[ "$(stat -c %u "/proc/$wizard_pid/environ")" = 0 ] || fail "the installer can be traced by its user"
kill "$wizard_pid"
wait "$run_pid" || true
judge

# 6. Root gives back only folders an installation makes: not a folder of
# root's that the user's data folder points into, and not a file of root's
# the user moved into the Lightroom folder.
fresh "give-back of a folder above and a file moved in"
mkdir -p "$root$home/locked" "$root$home/drop" "$root$home/data/Adobe/Lightroom/External Editor Presets/Veltrano"
echo "the administrator's" >"$root$home/locked/admin.txt"
chroot "$root" chown -R "$user:$user" "$home/drop" "$home/data"
echo "$secret" >"$root$home/drop/root-only"
chmod 600 "$root$home/drop/root-only"
as_user mv "$home/drop/root-only" "$home/data/Adobe/Lightroom/External Editor Presets/Veltrano/root-only"
locked_before=$(find "$root$home/locked" -printf '%p %U:%G %m %s\n')
for data in "$home/locked" "$home/data"; do
    start XDG_DATA_HOME="$data"
    walk_to_install
    finish
    [ "$(find "$root$home/locked" -printf '%p %U:%G %m %s\n')" = "$locked_before" ] || fail "$row: root's folder changed hands"
    [ "$(stat -c %u "$root$home/data/Adobe/Lightroom/External Editor Presets/Veltrano/root-only")" = 0 ] ||
        fail "$row: root's file the user moved in was given to the user"
    polkit_stop_agents
done
judge

# 7. A language variable pkexec would refuse, and the install still asks once
# and ends on "Ok".
fresh "LANG holding a slash"
start LANG=../../x
walk_to_install
finish
[ "$(outcome)" = Ok ] || fail "$row: $(cat "$output")"
[ "$(grep -c '^request ' "$root/tmp/$user.agent")" = 1 ] || fail "$row: not asked exactly once"
judge

echo "PASS: every attack of a standard user is refused or harmless; a normal install asks once and ends on Ok"
