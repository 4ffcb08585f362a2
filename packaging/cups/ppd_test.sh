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
# A printer's PPD keeps its whole settings record and custom papers in lines
# of its own: the PPD still passes.
"$orcaui" --state "$work/state" sheet "Heron(ONYX)" --printer-sheet "tab Stocks" \
    "type 1088 'Label \"50\"'" "type 1089 500" "type 1026 300" "click IDC_STOCKS_BUTTON_SAVE" \
    >/dev/null 2>&1
ppd=$work/printer.ppd
"$orcaui" --state "$work/state" ppd --printer "Heron(ONYX)" >"$ppd" 2>/dev/null
if ! cupstestppd -q -R "$work/root" "$ppd"; then
    echo "FAIL: cupstestppd refuses the PPD of a printer with its settings:" >&2
    cupstestppd -R "$work/root" "$ppd" >&2 || true
    status=1
fi
for line in '*orcauiSettings 1: "' '*orcauiPaper 2: "50000 30000 0 0 50000 30000 Custom Paper-Label <\x22>50<\x22>"' \
    '*orcauiSaved darkness: "'; do
    grep -qF "$line" "$ppd" || {
        echo "FAIL: the printer's PPD lacks $line" >&2
        status=1
    }
done
"$orcaui" --state "$work/state" ppd "Kestrel" >/dev/null 2>&1 && {
    echo "FAIL: a PPD for an unknown model" >&2
    status=1
}
exit $status
