#!/usr/bin/env bash
# Builds the installer as one file a vendor can ship, with the vendor's own
# products, license agreement and logo:
#
#   tools/package.sh [--resources DIR] [--version V] [--output DIR] [--fast]
#       dist/VeltranoInstaller-<V>-x86_64.run      self-extracting, runs the installer
#       dist/VeltranoInstaller-<V>-x86_64.tar.zst  the same bundle, to unpack by hand
#
#   --resources DIR  Products/, VeltranoEULA.rtf and Logo.png (default: the samples in resources/)
#   --version V      default: the project's version
#   --output DIR     default: dist/
#   --fast           lighter compression: bigger files, quicker (for tests)
#   --build DIR      package an already built tree, with the resources it was
#                    configured with, instead of building build-package/
#                    (the tests package their own build)
set -euo pipefail
cd "$(dirname "$0")/.."
source=$(pwd)

resources=$source/resources
chosen_resources=
version=$(sed -n 's/^project(VeltranoInstaller VERSION \([^ ]*\).*/\1/p' CMakeLists.txt)
output=$source/dist
build=
fast=
usage() { sed -n '2,16s/^# \{0,1\}//p' "$0" >&2; exit 2; }
while [ $# -gt 0 ]; do
    case $1 in
    --resources) resources=${2:?--resources needs a folder}; chosen_resources=1; shift 2 ;;
    --version) version=${2:?--version needs a value}; shift 2 ;;
    --output) output=${2:?--output needs a folder}; shift 2 ;;
    --build) build=${2:?--build needs a folder}; shift 2 ;;
    --fast) fast=1; shift ;;
    *) usage ;;
    esac
done
case $version in
'' | *[!A-Za-z0-9._+~-]*) echo "package: the version '$version' may hold only letters, digits and . _ + ~ -" >&2; exit 2 ;;
esac

# The vendor's content first, before anything is built.
fail() { echo "package: $*" >&2; exit 1; }
[ -d "$resources" ] || fail "the resource folder $resources does not exist"
resources=$(cd "$resources" && pwd)
[ -d "$resources/Products" ] || fail "$resources lacks the folder Products/ (one folder per product)"
[ -f "$resources/VeltranoEULA.rtf" ] || fail "$resources lacks the license agreement VeltranoEULA.rtf"
[ -f "$resources/Logo.png" ] || fail "$resources lacks the logo Logo.png"

if [ -n "$build" ] && [ -n "$chosen_resources" ]; then
    fail "--resources applies only when this command builds; $build has the resources it was configured with"
fi
if [ -z "$build" ]; then
    "$source/tools/setup.sh"
    build=$source/build-package
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELTRANO_BUILD_TESTS=OFF \
        -DVELTRANO_RESOURCES="$resources"
    cmake --build "$build" --parallel "$(nproc)" --target VeltranoInstaller unzstd
fi

# The bundle's folders and files get the same modes on every machine.
umask 022
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cmake --install "$build" --prefix "$stage" --strip >"$stage/install.log" ||
    { cat "$stage/install.log" >&2; fail "cannot install the bundle from $build"; }
[ -x "$build/tools/unpack/unzstd" ] || fail "$build has no tools/unpack/unzstd; build the target unzstd first"
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git -C "$source" log -1 --format=%ct 2>/dev/null || echo 0)}
"$source/tools/makerun.sh" ${fast:+--fast} "$stage/VeltranoInstaller.app" "$build/tools/unpack/unzstd" \
    "$output/VeltranoInstaller-$version-x86_64" "$version"
