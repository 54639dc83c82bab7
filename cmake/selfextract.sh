#!/bin/sh
# Veltrano Installer @VERSION@, a self-extracting archive. Unpacks the
# installer into a private temporary folder under $TMPDIR (or /tmp), starts
# it with the caller's environment, arguments and working folder, passes on
# its exit status and removes the folder when it ends, also when it was
# killed. Needs a POSIX shell, coreutils, tar and xz.
payload_offset=@OFFSET@
payload_sha256=@SHA256@

name=VeltranoInstaller
me=$0
# "sh file.run" names the file without a folder; found through PATH otherwise.
case $me in
*/*) ;;
*) if [ -f "$me" ]; then me=./$me; else me=$(command -v -- "$me"); fi ;;
esac
for tool in xz tar mktemp tail sha256sum; do
    command -v "$tool" >/dev/null 2>&1 || { echo "$name: this installer needs $tool to unpack itself." >&2; exit 1; }
done
if [ "$(tail -c +$((payload_offset + 1)) -- "$me" | sha256sum | cut -d' ' -f1)" != "$payload_sha256" ]; then
    echo "$name: $me is damaged or incomplete; download it again." >&2
    exit 1
fi

tmp=$(mktemp -d "${TMPDIR:-/tmp}/$name.XXXXXXXX") || {
    echo "$name: cannot create a temporary folder in ${TMPDIR:-/tmp}." >&2
    exit 1
}
child=
trap 'rm -rf -- "$tmp"' EXIT
# A signal to this script reaches the installer too; the script then waits
# for it to end and removes the folder. Without job control the installer
# starts with SIGINT ignored, hence TERM.
trap '[ -n "$child" ] && kill -TERM "$child" 2>/dev/null' INT TERM HUP

if ! tail -c +$((payload_offset + 1)) -- "$me" | xz -dc | tar -xpf - -C "$tmp"; then
    echo "$name: cannot unpack into $tmp (is there room in ${TMPDIR:-/tmp}?)." >&2
    exit 1
fi
program=$tmp/$name.app/Contents/MacOS/$name

# A background job would read /dev/null; the installer gets the caller's
# standard input instead, unless the caller closed it.
if [ -e /proc/self/fd/0 ]; then exec 3<&0; else exec 3</dev/null; fi
"$program" "$@" 0<&3 3<&- &
child=$!
exec 3<&-
while :; do
    wait "$child"
    status=$?
    kill -0 "$child" 2>/dev/null || break
done
[ "$status" = 126 ] && echo "$name: cannot start $program; if $(dirname "$tmp") does not allow programs, set TMPDIR to another folder." >&2
exit "$status"
