#!/bin/sh
me=$0; [ -f "$me" ] || me=$(command -v -- "$0") || me=$0; size=$(wc -c 2>/dev/null <"$me") || size=0; [ "$((${size:-0}))" = @TOTAL@ ] || { echo "VeltranoInstaller: $0 is damaged or incomplete; download it again." >&2; exit 1; }
# Veltrano Installer @VERSION@, a self-extracting archive. The line above
# comes first so that a file cut anywhere after it says so in words, before
# the shell reads a line that the cut may have broken.
#
# Checks the host, unpacks the installer into a private temporary folder
# under $TMPDIR (or /tmp), starts it with the caller's environment, arguments
# and working folder, passes on its exit status and removes the folder when
# it ends, also when it was killed. Needs a POSIX shell, coreutils, tar and
# gzip: the payload is zstd, and its decompressor travels gzip-compressed in
# front of it. The payload is two tars, unpacked side by side: the bundle's
# largest file, and the rest.
header_size=@OFFSET@
unzstd_size=@UNZSTD_SIZE@
first_part_size=@FIRST_PART_SIZE@
unpacked_kib=@UNPACKED_KIB@
host_libraries='@HOST_LIBRARIES@'

name=VeltranoInstaller
say() { echo "$name: $*" >&2; }

# The host first, so that one that falls short hears why in words instead of
# the dynamic linker's or Qt's complaints.
machine=$(uname -m 2>/dev/null)
if [ "$machine" != x86_64 ]; then
    say "this installer is built for x86_64 (64-bit Intel and AMD) Linux; this computer is ${machine:-unknown}."
    exit 1
fi

glibc=$(getconf GNU_LIBC_VERSION 2>/dev/null) && glibc=${glibc#glibc }
if [ -z "$glibc" ] && [ -x /lib64/ld-linux-x86-64.so.2 ]; then
    glibc=$(/lib64/ld-linux-x86-64.so.2 --version 2>/dev/null | head -n 1) && glibc=${glibc##*version } &&
        glibc=${glibc%.}
fi
case $glibc in
[0-9]*.[0-9]*) ;;
*)
    say "needs the GNU C library (glibc) 2.35 or newer, which this system does not have."
    say "It runs on Debian 12, Ubuntu 22.04, Fedora 36 or a newer Linux."
    exit 1 ;;
esac
glibc_major=${glibc%%.*} glibc_minor=${glibc#*.} && glibc_minor=${glibc_minor%%[!0-9]*}
if [ "$glibc_major" -lt 2 ] || { [ "$glibc_major" = 2 ] && [ "${glibc_minor:-0}" -lt 35 ]; }; then
    say "needs glibc 2.35 or newer, and this system has glibc $glibc."
    say "It runs on Debian 12, Ubuntu 22.04, Fedora 36 or a newer Linux."
    exit 1
fi

# The Debian/Ubuntu and the Fedora package of each library the bundle takes
# from the host.
package_of() {
    case $1 in
    libstdc++.so.6) echo 'libstdc++6|libstdc++' ;;
    libgcc_s.so.1) echo 'libgcc-s1|libgcc' ;;
    libX11.so.6) echo 'libx11-6|libX11' ;;
    libX11-xcb.so.1) echo 'libx11-xcb1|libX11-xcb' ;;
    libxcb.so.1) echo 'libxcb1|libxcb' ;;
    libGL.so.1 | libGLX.so.0) echo 'libgl1|libglvnd-glx' ;;
    libOpenGL.so.0) echo 'libopengl0|libglvnd-opengl' ;;
    libEGL.so.1) echo 'libegl1|libglvnd-egl' ;;
    libfontconfig.so.1) echo 'libfontconfig1|fontconfig' ;;
    libfreetype.so.6) echo 'libfreetype6|freetype' ;;
    libharfbuzz.so.0) echo 'libharfbuzz0b|harfbuzz' ;;
    libglib-2.0.so.0 | libgobject-2.0.so.0 | libgio-2.0.so.0 | libgthread-2.0.so.0 | libgmodule-2.0.so.0)
        echo 'libglib2.0-0|glib2' ;;
    libdbus-1.so.3) echo 'libdbus-1-3|dbus-libs' ;;
    libwayland-client.so.0) echo 'libwayland-client0|libwayland-client' ;;
    *) echo "$1|$1" ;;
    esac
}

# Where the dynamic linker looks: LD_LIBRARY_PATH, the folders of
# /etc/ld.so.conf.d and the usual ones of Debian, Ubuntu and Fedora.
library_folders() {
    (
        IFS=:
        for folder in ${LD_LIBRARY_PATH:-}; do echo "$folder"; done
    )
    for conf in /etc/ld.so.conf.d/*.conf; do
        [ -f "$conf" ] || continue
        while read -r folder _; do
            case $folder in /*) echo "$folder" ;; esac
        done <"$conf"
    done
    echo /lib/x86_64-linux-gnu /usr/lib/x86_64-linux-gnu /lib64 /usr/lib64 /lib /usr/lib | tr ' ' '\n'
}
folders=$(library_folders)
missing= debian= fedora=
for library in $host_libraries; do
    found=
    for folder in $folders; do
        [ -e "$folder/$library" ] && { found=1; break; }
    done
    [ -n "$found" ] && continue
    packages=$(package_of "$library")
    missing="$missing${missing:+, }$library"
    case " $debian " in *" ${packages%|*} "*) ;; *) debian="$debian${debian:+ }${packages%|*}" ;; esac
    case " $fedora " in *" ${packages#*|} "*) ;; *) fedora="$fedora${fedora:+ }${packages#*|}" ;; esac
done
if [ -n "$missing" ]; then
    say "this system lacks libraries every Linux desktop has and the installer needs: $missing."
    say "Install $debian (Debian, Ubuntu) or $fedora (Fedora), or run it on a desktop system."
    exit 1
fi

# The C++ runtime's age shows in the name of the file behind libstdc++.so.6
# (libstdc++.so.6.0.30 is GCC 12's); a name of another shape is let pass.
for folder in $folders; do
    [ -e "$folder/libstdc++.so.6" ] || continue
    runtime=$(readlink -f -- "$folder/libstdc++.so.6" 2>/dev/null)
    case ${runtime##*/} in
    libstdc++.so.6.0.[0-9]*)
        runtime=${runtime##*/libstdc++.so.6.0.}
        case $runtime in
        *[!0-9]*) ;;
        *)
            if [ "$runtime" -lt 30 ]; then
                say "needs the C++ runtime of GCC 12 or newer (libstdc++.so.6.0.30), and this system has libstdc++.so.6.0.$runtime."
                say "It runs on Debian 12, Ubuntu 22.04, Fedora 36 or a newer Linux."
                exit 1
            fi ;;
        esac ;;
    esac
    break
done

# A window needs a desktop: an X11 display or a Wayland compositor's socket,
# unless the caller chose a platform of Qt's own.
wayland_socket=
case ${WAYLAND_DISPLAY:-} in
'') ;;
/*) [ -S "$WAYLAND_DISPLAY" ] && wayland_socket=1 ;;
*) [ -n "${XDG_RUNTIME_DIR:-}" ] && [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && wayland_socket=1 ;;
esac
if [ -z "${QT_QPA_PLATFORM:-}" ] && [ -z "${DISPLAY:-}" ] && [ -z "$wayland_socket" ]; then
    if [ -n "${WAYLAND_DISPLAY:-}" ]; then
        say "cannot show its window: no Wayland compositor listens at $WAYLAND_DISPLAY and DISPLAY is not set."
    else
        say "cannot show its window: neither DISPLAY nor WAYLAND_DISPLAY names a desktop."
    fi
    say "Start it from a graphical session (X11 or Wayland)."
    exit 1
fi

base=${TMPDIR:-/tmp}
# Room before anything is written, so that a small TMPDIR hears how much is
# needed instead of a failure for every file that did not fit.
available=$(df -Pk -- "$base" 2>/dev/null | { read -r _ && read -r _ _ _ kib _ && echo "$kib"; })
case $available in
'' | *[!0-9]*) ;;
*)
    if [ "$available" -lt "$unpacked_kib" ]; then
        say "needs $(((unpacked_kib + 1023) / 1024)) MB free in $base to unpack itself, and it has $((available / 1024)) MB."
        say "Free some room there, or set TMPDIR to a folder with more."
        exit 1
    fi ;;
esac
tmp=$(mktemp -d "$base/$name.XXXXXXXX" 2>/dev/null) || {
    say "cannot create a temporary folder in $base; set TMPDIR to a folder you may write to."
    exit 1
}
child=
trap 'rm -rf -- "$tmp"' EXIT
# A signal to this script reaches the installer too; the script then waits
# for it to end and removes the folder. Without job control the installer
# starts with SIGINT ignored, hence TERM.
# Before the installer runs, a signal ends the script, and the folder goes.
trap 'if [ -n "$child" ]; then kill -TERM "$child" 2>/dev/null; else exit 143; fi' INT TERM HUP

unzstd=$tmp/.unzstd
if ! tail -c +$((header_size + 1)) -- "$me" | head -c "$unzstd_size" | gzip -dc >"$unzstd" 2>/dev/null; then
    say "$me is damaged or incomplete; download it again."
    exit 1
fi
chmod 700 "$unzstd"
"$unzstd" </dev/null 2>/dev/null
if [ $? = 126 ]; then
    say "cannot run programs in $base; set TMPDIR to a folder that allows them (not mounted noexec)."
    exit 1
fi
# unpack FOLDER START [SIZE]: the part of the payload at START (SIZE bytes,
# or to the end) into FOLDER. The decompressor checks each frame's checksum;
# its status is what counts, since tar may end content with a stream that
# stopped early. Errors go to files, as two parts run at once.
unpack() {
    {
        if [ -n "${3:-}" ]; then tail -c +"$2" -- "$me" | head -c "$3"; else tail -c +"$2" -- "$me"; fi |
            "$unzstd" 2>/dev/null || : >"$tmp/.damaged"
    } | tar -xpf - -C "$1" 2>>"$tmp/.errors-$2"
}
# The largest file goes into a folder of its own and is moved into place
# once both parts are out: two tars that make the same folders at once can
# trip over each other's half-made folder.
largest=$tmp/.largest
mkdir "$largest" || {
    say "cannot write into $base; set TMPDIR to a folder you may write to."
    exit 1
}
first=$((header_size + unzstd_size + 1))
unpack "$largest" "$first" "$first_part_size" &
first_job=$!
unpack "$tmp" $((first + first_part_size))
rest_status=$?
wait "$first_job"
first_status=$?
if [ -e "$tmp/.damaged" ]; then
    say "$me is damaged or incomplete; download it again."
    exit 1
fi
if [ "$first_status" != 0 ] || [ "$rest_status" != 0 ]; then
    error=$(cat -- "$tmp"/.errors-* 2>/dev/null | head -n 1)
    say "cannot unpack into $base: ${error:-is it full?}"
    exit 1
fi
if ! mv -f -- "$largest/"'@LARGEST_PATH@' "$tmp/"'@LARGEST_PATH@' 2>"$tmp/.errors-move"; then
    say "cannot unpack into $base: $(head -n 1 "$tmp/.errors-move")"
    exit 1
fi
rm -rf -- "$largest" "$tmp"/.errors-*
rm -f -- "$unzstd"
program=$tmp/$name.app/Contents/MacOS/$name

# The installer cleans up after a .run that was killed outright, which cannot
# do so itself.
VELTRANO_UNPACKED_FOLDER=$tmp VELTRANO_UNPACKED_BY=$$
export VELTRANO_UNPACKED_FOLDER VELTRANO_UNPACKED_BY

# A background job would read /dev/null; the installer gets the caller's
# standard input instead, unless the caller closed it.
if [ -e /proc/self/fd/0 ]; then exec 3<&0; else exec 3</dev/null; fi
"$program" "$@" 0<&3 3<&- &
child=$!
exec 3<&-
# The shell would name the signal that ended the installer ("Terminated");
# the status says it already.
while :; do
    wait "$child" 2>/dev/null
    status=$?
    kill -0 "$child" 2>/dev/null || break
done
[ "$status" = 126 ] && say "cannot start $program; if $base does not allow programs, set TMPDIR to another folder."
exit "$status"
