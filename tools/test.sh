#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the native
# core suites (with ASan/UBSan), the Win32 tests under Wine and the
# end-to-end scenarios under Wine + Xvfb. Ends with CTest's summary.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${LUMORA_BUILD_DIR:-$root/build}

"$root/tools/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja >/dev/null
cmake --build "$build" -j2
cd "$build"
ctest --output-on-failure -j2 "$@"
