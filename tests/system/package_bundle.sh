#!/usr/bin/env bash
# Packages a built tree with tools/package.sh into <dist> (the .run and the
# .tar.zst the other system tests use), then checks what it made:
#   - the bundle carries Qt, ICU, the libraries Debian's Qt links, the xcb
#     extension and utility libraries, X11's session management, Wayland's
#     cursor and EGL libraries and xkbcommon, and the plugins for X11 and
#     Wayland;
#   - it carries none of the host's own libraries (the C and C++ runtime,
#     GL/EGL, libX11, libX11-xcb, libxcb, fontconfig, freetype, harfbuzz,
#     GLib, D-Bus, libwayland-client);
#   - every library any of its programs or plugins needs is in the bundle or
#     among the host's own;
#   - the program finds them through DT_RPATH $ORIGIN/../Frameworks and a
#     qt.conf; both programs are stripped; the helper needs nothing beyond
#     the C and C++ runtime;
#   - a resource folder that lacks its products, license or logo is refused
#     with a message naming what is missing, before anything is built.
#   package_bundle.sh <source folder> <build folder> <dist>
set -euo pipefail
source_dir=$(realpath "${1:?usage: package_bundle.sh <source> <build> <dist>}")
build=$(realpath "${2:?usage: package_bundle.sh <source> <build> <dist>}")
dist=${3:?usage: package_bundle.sh <source> <build> <dist>}
fail() { echo "FAIL: $*" >&2; exit 1; }

rm -rf "$dist"
"$source_dir/tools/package.sh" --build "$build" --output "$dist" --fast
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
tar --zstd -xf "$(ls "$dist"/VeltranoInstaller-*-x86_64.tar.zst)" -C "$work"
contents=$work/VeltranoInstaller.app/Contents

for library in libQt6Core.so.6 libQt6Gui.so.6 libQt6Widgets.so.6 libQt6XcbQpa.so.6 libQt6WaylandClient.so.6 \
    libicuuc.so.72 libicui18n.so.72 libicudata.so.72 libdouble-conversion.so.3 libb2.so.1 libpcre2-16.so.0 \
    libmd4c.so.0 libzstd.so.1 libpng16.so.16 libxkbcommon.so.0 libxkbcommon-x11.so.0 libxcb-icccm.so.4 \
    libxcb-image.so.0 libxcb-keysyms.so.1 libxcb-render-util.so.0 libxcb-util.so.1 libxcb-randr.so.0 \
    libxcb-render.so.0 libxcb-shape.so.0 libxcb-shm.so.0 libxcb-sync.so.1 libxcb-xfixes.so.0 libxcb-xkb.so.1 \
    libSM.so.6 libICE.so.6 libwayland-cursor.so.0 libwayland-egl.so.1 libz.so.1; do
    [ -f "$contents/Frameworks/$library" ] || fail "the bundle lacks $library"
done
for plugin in platforms/libqxcb.so platforms/libqwayland-generic.so wayland-shell-integration/libxdg-shell.so \
    wayland-decoration-client/libbradient.so wayland-graphics-integration-client/libqt-plugin-wayland-egl.so \
    platforminputcontexts/libcomposeplatforminputcontextplugin.so; do
    [ -f "$contents/PlugIns/$plugin" ] || fail "the bundle lacks the plugin $plugin"
done

host='^(ld-linux-x86-64\.so\.2|lib(c|m|dl|pthread|rt|stdc\+\+|gcc_s)\.so\..*|lib(GL|GLX|GLdispatch|EGL|OpenGL)\.so\..*|lib(X11|X11-xcb|xcb)\.so\..*|lib(fontconfig|freetype|harfbuzz)\.so\..*|lib(glib|gobject|gthread|gio|gmodule)-2\.0\.so\..*|libdbus-1\.so\..*|libwayland-client\.so\..*)$'
carried=$(ls "$contents/Frameworks")
leaked=$(grep -E "$host" <<<"$carried" || true)
[ -z "$leaked" ] || fail "the bundle carries host libraries: $leaked"
while IFS= read -r elf; do
    for needed in $(readelf -d "$elf" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
        grep -qxF "$needed" <<<"$carried" || grep -qE "$host" <<<"$needed" ||
            fail "${elf#"$contents"/} needs $needed, which is neither in the bundle nor the host's"
    done
done < <(find "$contents/MacOS" "$contents/Frameworks" "$contents/PlugIns" -type f ! -name qt.conf)

# What the .run checks for on the host is what the bundle needs from it, and
# all of it is among the host's libraries above.
expects=$(head -c 20000 "$(ls "$dist"/VeltranoInstaller-*-x86_64.run)" | sed -n "s/^host_libraries='\(.*\)'$/\1/p")
[ -n "$expects" ] || fail "the .run names no host libraries to check"
for library in $expects; do
    grep -qE "$host" <<<"$library" || fail "the .run expects $library from the host, which a desktop need not have"
done

dynamic=$(readelf -d "$contents/MacOS/VeltranoInstaller")
grep -q '(RPATH).*\[\$ORIGIN/../Frameworks\]' <<<"$dynamic" || fail "the program has no DT_RPATH to its Frameworks"
grep -q '(RUNPATH)' <<<"$dynamic" && fail "the program has a DT_RUNPATH, which LD_LIBRARY_PATH overrides"
grep -qx 'Plugins = PlugIns' "$contents/MacOS/qt.conf" || fail "qt.conf does not point at the bundle's plugins"
for program in VeltranoInstaller VeltranoHelper; do
    readelf -S "$contents/MacOS/$program" | grep -qE '\.symtab|\.debug_' && fail "$program is not stripped"
done
helper_needs=$(readelf -d "$contents/MacOS/VeltranoHelper" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
beyond=$(grep -vxE 'lib(c|m|stdc\+\+|gcc_s)\.so\.[0-9]+|ld-linux-x86-64\.so\.2' <<<"$helper_needs" || true)
[ -z "$beyond" ] || fail "the helper needs more than the C and C++ runtime: $beyond"
readelf -d "$contents/MacOS/VeltranoHelper" | grep -qE '\((RPATH|RUNPATH)\)' && fail "the helper searches a library path"

# Each row: what to remove from a copy of the sample resources | the message.
while IFS='|' read -r remove message; do
    resources=$work/resources
    rm -rf "$resources"
    cp -R "$source_dir/resources" "$resources"
    rm -rf "${resources:?}/$remove"
    status=0
    "$source_dir/tools/package.sh" --resources "$resources" --build "$work/no-build" --output "$work/out" \
        >"$work/refusal" 2>&1 || status=$?
    [ "$status" = 1 ] && grep -qF "$message" "$work/refusal" ||
        fail "without $remove: status $status, said: $(cat "$work/refusal")"
done <<'EOF_ROWS'
Products|lacks the folder Products/
VeltranoEULA.rtf|lacks the license agreement VeltranoEULA.rtf
Logo.png|lacks the logo Logo.png
EOF_ROWS
[ ! -e "$work/out" ] || fail "a refused resource folder still produced output"
echo "PASS: the bundle is self-contained and carries only what the host lacks"
