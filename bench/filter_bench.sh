#!/usr/bin/env bash
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

filter=("$build/host/orcaui-filter" 1 bench batch 1 "darkness=25")
"${filter[@]}" <"$work/batch.prn" | cmp -s - <(printf '^XA^PR3,3~SD25^XZ'; cat "$work/batch.prn") ||
    { echo "filter_bench.sh: the filter's output is not the settings and the batch" >&2; exit 1; }
: >"$work/filter.times"
: >"$work/cat.times"
for _ in $(seq "$rounds"); do
    ten_runs "${filter[@]}" >>"$work/filter.times"
    ten_runs cat >>"$work/cat.times"
done
f=$(median <"$work/filter.times")
c=$(median <"$work/cat.times")
awk -v f="$f" -v c="$c" -v r="$rounds" 'BEGIN {
    printf "1 MiB of labels, median of %d rounds of 10 runs: filter %.2f ms, cat %.2f ms a run\n", r, f * 100, c * 100
    printf "ratio filter / cat = %.2f\n", f / c
}'
