#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# The bash completion of orcaui against the built orcaui: what a TAB at the
# end of each line offers, as the shell hands it to the line editor (escaped,
# or as it is inside an open quote; after a word-breaking = only the rest).
#
#   completion_test.sh COMPLETION_SCRIPT ORCAUI
set -uo pipefail
# shellcheck source=orcaui-completion.bash
source "$1"
orcaui=$(printf '%q' "$2")
state=$(mktemp -d)
trap 'rm -rf "$state"' EXIT
for printer in "Dock 3" "Bay=2" "打印机 1"; do
    "$2" --state "$state" printer add "$printer" --driver "ONYX Heron" >/dev/null 2>&1 ||
        { echo "cannot add the printer $printer"; exit 1; }
done

failed=0
# The offers for "orcaui --state STATE LINE"; with --has only some of them.
expect() {
    local has=0
    [[ $1 == --has ]] && { has=1; shift; }
    local line=$1 wanted
    shift
    COMP_LINE="$orcaui --state $state $line"
    COMP_POINT=${#COMP_LINE}
    COMPREPLY=()
    _orcaui
    local offered
    offered=$(printf '[%s]\n' "${COMPREPLY[@]}" | sort)
    for wanted in "$@"; do
        grep -qxF "[$wanted]" <<<"$offered" && continue
        printf 'after "%s": no [%s] among\n%s\n' "$line" "$wanted" "$offered"
        failed=1
    done
    if ((!has)) && [[ $offered != "$(printf '[%s]\n' "$@" | sort)" ]]; then
        printf 'after "%s": expected exactly\n%s\nbut got\n%s\n' "$line" \
            "$(printf '[%s]\n' "$@" | sort)" "$offered"
        failed=1
    fi
}

# Commands and options, from orcaui's help.
expect --has '' printers printer models settings sheet jobs ppd --state --plugin --version --help
expect 'printer ' add remove
expect 'printer r' remove
expect '--ver' --version
expect 'sheet --p' --printer-sheet
expect 'jobs Dock\ 3 -' --clear --help --json
expect 'settings Bay=2 --exp' --export
# Printer names, from `orcaui printers`: escaped, as they are in quotes, and
# after the = the line editor breaks the word at.
expect --has 'jobs ' 'Kestrel\(ORCA\)' 'Heron\(ONYX\)' 'Dock\ 3' 'Bay=2'
# A name in wide characters, cut from the table by display width.
expect 'printer remove "打' '打印机 1'
expect 'jobs Kes' 'Kestrel\(ORCA\)'
# Completing on a state directory that is not there yet makes none.
COMP_LINE="$orcaui --state $state/new jobs " COMP_POINT=${#COMP_LINE} _orcaui
[[ -e $state/new ]] && { echo "completing made the state directory $state/new"; failed=1; }
expect 'printer remove "Do' 'Dock 3'
expect 'sheet Bay=' 2
expect 'printer add Dock --driver "ONYX' 'ONYX Heron'
expect 'printer add Dock --model Condor' 'Condor\(300DPI\)\(ORCA\)' 'Condor\(203DPI\)\(ORCA\)'
expect 'ppd Condor' 'Condor\(300DPI\)\(ORCA\)' 'Condor\(203DPI\)\(ORCA\)'
expect 'ppd Crane '
expect '--spooler ' sim cups
expect '--spooler sim printer ' add remove
expect 'ppd --printer "Do' 'Dock 3'
expect 'ppd --printer Dock\ 3 '
# A new printer's name is not an existing one.
expect 'printer add '
# The names of get and set, from `orcaui options` of the printer's sheet.
expect 'get Kestrel\(ORCA\) pa' pause pause-interval paper-type
expect 'set Kestrel\(ORCA\) darkness=20 pa' pause= pause-interval= paper-type=
expect 'set Kestrel\(ORCA\) --printer-sheet paper-w' paper-width=
# Actions: verbs from the sheet's help, tab titles and control names from
# the sheet it prints.
expect --has 'sheet Kestrel\(ORCA\) "' 'click ' 'tab ' 'answer ' apply ok cancel
expect 'sheet Kestrel\(ORCA\) ap' apply
expect 'sheet Kestrel\(ORCA\) "tab Adv' 'tab Advance Setup'
expect 'sheet Kestrel\(ORCA\) tab\ Bar' 'tab\ Barcode\ Fonts'
expect 'sheet Kestrel\(ORCA\) --printer-sheet "tab St' 'tab Stocks'
expect 'sheet "Heron(ONYX)" "select IDC_OPTION_COMBO_U' 'select IDC_OPTION_COMBO_UNITS'
expect 'sheet Kestrel\(ORCA\) "answer d' 'answer dialog'
expect 'sheet Kestrel\(ORCA\) "click 1014 ' ''
exit "$failed"
