#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Fuzzes the libFuzzer targets (all, or those named: `fuzz.sh ini state`) on
# their seed corpora and dictionaries, side by side, one a core, and prints
# each target's inputs and rate; a finding prints the target's log and fails.
#
#   ORCA_FUZZ_SECONDS  time a target (default 10)
#   ORCA_FUZZ_RUNS     inputs a target instead, with no time limit
#   ORCA_FUZZ_BUILD    the build folder of the targets; without it an optimised
#                      (-O2) ASan+UBSan build is made in build-fuzz/ first, the
#                      quickest build for long runs
#
# Findings are written to fuzz-findings/.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${ORCA_FUZZ_BUILD:-}
if [ -z "$build" ]; then
    build=build-fuzz
    bash scripts/install-deps.sh build test
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
          -DCMAKE_CXX_FLAGS_RELEASE="-O2 -g1" -DORCA_SANITIZE=ON -DORCA_WERROR=ON \
          -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang >/dev/null
    cmake --build "$build" -j "$(nproc)" --target \
          $(for source in fuzz/*.cpp; do name=${source##*/}; echo "fuzz_${name%.cpp}"; done)
fi

names=("$@")
if [ ${#names[@]} -eq 0 ]; then
    for target in "$build"/fuzz/fuzz_*; do
        [ -x "$target" ] && names+=("${target##*/fuzz_}")
    done
fi

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
limit=(-max_total_time="${ORCA_FUZZ_SECONDS:-10}")
[ -n "${ORCA_FUZZ_RUNS:-}" ] && limit=(-runs="$ORCA_FUZZ_RUNS")
mkdir -p fuzz-findings
logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT

# One target: new inputs go to a scratch folder, the seeds stay as they are.
fuzz_one() {
    local name=$1 work dict=()
    if [ ! -x "$build/fuzz/fuzz_$name" ]; then
        echo "no fuzz target $name in $build/fuzz/"
        return 1
    fi
    work=$(mktemp -d -p "$logs")
    [ -f "fuzz/$name.dict" ] && dict=(-dict="fuzz/$name.dict")
    if ! "$build/fuzz/fuzz_$name" "${limit[@]}" "${dict[@]}" -print_final_stats=1 \
            -artifact_prefix="fuzz-findings/$name-" "$work" "fuzz/corpus/$name" \
            >"$logs/$name.log" 2>&1; then
        cat "$logs/$name.log"
        echo "fuzzed $name: a finding, kept in fuzz-findings/"
        return 1
    fi
    local runs rate
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$logs/$name.log")
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$logs/$name.log")
    echo "fuzzed $name: $runs inputs, $rate a second, no finding"
}

failed=0
running=0
for name in "${names[@]}"; do
    if [ "$running" -ge "$(nproc)" ]; then
        wait -n || failed=1
        running=$((running - 1))
    fi
    fuzz_one "$name" &
    running=$((running + 1))
done
while [ "$running" -gt 0 ]; do
    wait -n || failed=1
    running=$((running - 1))
done
exit "$failed"
