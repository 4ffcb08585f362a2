#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# The PPD `orcaui ppd` writes for every model passes cupstestppd, with the
# filter it names in place, and offers the label settings under the names
# `orcaui set` gives them.
#
#   ppd_test.sh ORCAUI ORCAUI_FILTER
set -euo pipefail
orcaui=$1
filter=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/root/usr/lib/cups/filter"
ln -s "$filter" "$work/root/usr/lib/cups/filter/orcaui-filter"

status=0
count=0
while IFS=$'\t' read -r model language; do
    ppd=$work/model.ppd
    "$orcaui" --state "$work/state" ppd "$model" >"$ppd" 2>/dev/null
    if ! cupstestppd -q -R "$work/root" "$ppd"; then
        echo "FAIL: cupstestppd refuses the PPD of $model:" >&2
        cupstestppd -R "$work/root" "$ppd" >&2 || true
        status=1
    fi
    type=application/vnd.orcaui-${language,,}
    for line in "*orcauiModel: \"$model\"" "*cupsFilter2: \"$type application/vnd.cups-raw 0 orcaui-filter\"" \
        "*OpenUI *darkness/" "*OpenUI *speed/" "*Defaultdarkness: Default"; do
        grep -qF "$line" "$ppd" || {
            echo "FAIL: the PPD of $model lacks $line" >&2
            status=1
        }
    done
    count=$((count + 1))
done < <("$orcaui" --state "$work/state" models 2>/dev/null)
((count == 15)) || {
    echo "FAIL: $count models listed, 15 expected" >&2
    status=1
}
"$orcaui" --state "$work/state" ppd "Kestrel" >/dev/null 2>&1 && {
    echo "FAIL: a PPD for an unknown model" >&2
    status=1
}
exit $status
