#!/usr/bin/env bash
# Fuzzes the portable parsers with libFuzzer, ASan and UBSan.
#
#   tools/fuzz.sh [TARGET|all] [SECONDS]
#
# TARGET is one of tests/fuzz's targets (page_load, page_erase,
# eraser_mask, recording_load, ini_store, profile_store, driver_command_line,
# key_sequence, perf_data); "all" (the default) fuzzes each in turn, one at a
# time, SECONDS each (default 60). Installs clang when it is missing and
# builds in build-fuzz. A run starts from the committed corpus
# (tests/fuzz/corpus/TARGET) and keeps what it finds in
# build-fuzz/corpus/TARGET; a crash, a failed check, a run over 10 s or over
# 2 GB leaves its input in build-fuzz/findings/TARGET/. With
# LUMORA_FUZZ_MERGE=1 the inputs that reach new code are merged into the
# committed corpus afterwards. Put every reproducer into the committed
# corpus too: the normal test command (fuzz.TARGET) replays it from then on.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${LUMORA_FUZZ_BUILD_DIR:-$root/build-fuzz}
target=${1:-all}
seconds=${2:-60}
all=(page_load page_erase eraser_mask recording_load ini_store profile_store driver_command_line key_sequence perf_data)

if ! command -v clang++ >/dev/null 2>&1; then
    echo "Installing clang"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends clang >/dev/null
fi
"$root/tools/install-deps.sh"

if [ "$target" = all ]; then
    targets=("${all[@]}")
else
    printf '%s\n' "${all[@]}" | grep -qx "$target" || { echo "unknown target: $target (one of: ${all[*]})" >&2; exit 2; }
    targets=("$target")
fi

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DLUMORA_FUZZ=ON -DLUMORA_SANITIZE=ON -DLUMORA_WINDOWS=OFF >/dev/null
cmake --build "$build" -j2 --target "${targets[@]/#/fuzz_}"

status=0
for t in "${targets[@]}"; do
    seeds=$root/tests/fuzz/corpus/$t
    work=$build/corpus/$t
    findings=$build/findings/$t
    mkdir -p "$work" "$findings" "$seeds"
    echo "== $t: ${seconds} s"
    # One job: the machine's other core belongs to the neighbours.
    if ! "$build/tests/fuzz/fuzz_$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
            -max_len=8192 -print_final_stats=1 -artifact_prefix="$findings/" "$work" "$seeds" \
            2>"$build/fuzz-$t.log"; then
        status=1
        echo "$t: finding in $findings (log: $build/fuzz-$t.log)"
    fi
    grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb)|^Done|ERROR|SUMMARY' "$build/fuzz-$t.log" || true
    if [ "${LUMORA_FUZZ_MERGE:-0}" = 1 ]; then
        "$build/tests/fuzz/fuzz_$t" -merge=1 -max_len=8192 "$seeds" "$work" 2>>"$build/fuzz-$t.log" >/dev/null
    fi
done
exit $status
