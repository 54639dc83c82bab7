#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs one of them.
#   tools/fuzz.sh <target> [seconds]     e.g. tools/fuzz.sh rtf_fuzzer 600
# The corpus grows in fuzz/corpus-<target>/ (not committed), seeded from
# fuzz/seeds/<target>/ when that exists.
set -euo pipefail
cd "$(dirname "$0")/.."
target=${1:?usage: tools/fuzz.sh <target> [seconds]}
seconds=${2:-60}

"$(pwd)/tools/setup.sh" --fuzz
CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVELTRANO_BUILD_FUZZERS=ON -DVELTRANO_BUILD_TESTS=OFF
cmake --build build-fuzz --parallel "$(nproc)" --target "$target"

corpus=fuzz/corpus-$target
mkdir -p "$corpus"
seeds=()
[ -d "fuzz/seeds/$target" ] && seeds=("fuzz/seeds/$target")
exec "build-fuzz/fuzz/$target" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 "$corpus" "${seeds[@]}"
