#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# orcaui-filter on a 1 MiB batch of ORCA labels against cat of the same bytes,
# both as whole processes from a file to /dev/null, in turn, in one run: the
# ratio of their median times (filter / cat) is what to compare between
# machines, not the times themselves.
#
#   filter_bench.sh [BUILD_DIR] [ROUNDS]     (default: build, 21)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "${1:-build}" && pwd)
rounds=${2:-21}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

label='^XA^FO20,20^A0N,40,40^FDParcel 0001^FS^FO20,80^BCN,80,Y,N,N^FD123456789012^FS^XZ'
while (($(stat -c %s "$work/batch.prn" 2>/dev/null || echo 0) < 1048576)); do
    for _ in $(seq 256); do printf '%s\n' "$label"; done >>"$work/batch.prn"
done
truncate -s 1048576 "$work/batch.prn"
"$build/host/orcaui" --state "$work/state" ppd "Kestrel(ORCA)" >"$work/queue.ppd" 2>/dev/null
sed -i 's/^\*Defaultdarkness: .*/*Defaultdarkness: 20/; s/^\*Defaultspeed: .*/*Defaultspeed: 76/' \
    "$work/queue.ppd"
export PPD=$work/queue.ppd

# Seconds for ten runs of the command, from the batch to /dev/null.
ten_runs() {
    local start=$EPOCHREALTIME
    for _ in 1 2 3 4 5 6 7 8 9 10; do
        "$@" <"$work/batch.prn" >/dev/null
    done
    echo "$start $EPOCHREALTIME" | awk '{printf "%.6f\n", $2 - $1}'
}
median() { sort -g | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

# One copy passes the job through; two make the filter read every label
# format for its quantity.
one=("$build/host/orcaui-filter" 1 bench batch 1 "darkness=25")
two=("$build/host/orcaui-filter" 1 bench batch 2 "darkness=25")
"${one[@]}" <"$work/batch.prn" | cmp -s - <(printf '^XA^PR3,3~SD25^XZ'; cat "$work/batch.prn") ||
    { echo "filter_bench.sh: the filter's output is not the settings and the batch" >&2; exit 1; }
formats=$(grep -o '\^XZ' "$work/batch.prn" | wc -l)
[[ $("${two[@]}" <"$work/batch.prn" | grep -o '\^PQ2,0,1,Y\^XZ' | wc -l) == "$formats" ]] ||
    { echo "filter_bench.sh: two copies did not reach every label format" >&2; exit 1; }
for name in one two cat; do : >"$work/$name.times"; done
for _ in $(seq "$rounds"); do
    ten_runs "${one[@]}" >>"$work/one.times"
    ten_runs "${two[@]}" >>"$work/two.times"
    ten_runs cat >>"$work/cat.times"
done
one_run=$(median <"$work/one.times")
two_runs=$(median <"$work/two.times")
cat_run=$(median <"$work/cat.times")
awk -v one="$one_run" -v two="$two_runs" -v c="$cat_run" -v r="$rounds" 'BEGIN {
    printf "1 MiB of labels, median of %d rounds of 10 runs, a run:\n", r
    printf "  filter, 1 copy %.2f ms; 2 copies %.2f ms; cat %.2f ms\n", one * 100, two * 100, c * 100
    printf "ratio filter 1 copy / cat = %.2f\n", one / c
    printf "ratio filter 2 copies / cat = %.2f\n", two / c
}'
