#!/usr/bin/env bash
# Builds the benchmarks without sanitizers and runs them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-bench
"$root/tools/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DLUMORA_SANITIZE=OFF -DLUMORA_WINDOWS=OFF >/dev/null
cmake --build "$build" -j2
for b in "$build"/bench/bench_*; do
    [ -x "$b" ] && "$b" "$@"
done
