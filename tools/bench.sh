#!/usr/bin/env bash
# Builds the benchmarks in a release build and runs one, or all of them.
#   tools/bench.sh [target] [benchmark arguments...]
set -euo pipefail
cd "$(dirname "$0")/.."
"$(pwd)/tools/setup.sh"
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELTRANO_BUILD_BENCHMARKS=ON -DVELTRANO_BUILD_TESTS=OFF
cmake --build build-bench --parallel "$(nproc)"
if [ $# -gt 0 ]; then
    target=$1; shift
    exec "$(find build-bench/bench -type f -name "$target" -perm -u+x | head -1)" "$@"
fi
for exe in $(find build-bench/bench -type f -perm -u+x -name '*_bench' | sort); do
    echo "== $exe"; "$exe"
done
