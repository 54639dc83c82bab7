#!/usr/bin/env bash
# Sets up, builds and runs every test. With --sanitize the same tests run in a
# separate build with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

"$(pwd)/tools/setup.sh"

build=build
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "${1:-}" = "--sanitize" ]; then
    build=build-sanitize
    options=(-DCMAKE_BUILD_TYPE=Debug -DVELTRANO_SANITIZE=ON)
    export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi

# A compiler cache keyed by paths relative to the checkout lets a fresh
# clone reuse what an earlier build compiled.
# (Debug information may then name the folder of the build that filled it.)
export CCACHE_BASEDIR="$(pwd)" CCACHE_NOHASHDIR=1
options+=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

cmake -S . -B "$build" -G Ninja "${options[@]}"
cmake --build "$build" --parallel "$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)" --timeout 300
