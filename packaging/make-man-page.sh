#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Writes orcaui's man page from the help text the program prints: the
# overview (orcaui --help) and, in a COMMANDS section, each command's own
# --help, so the page says what the program does.
#
#   make-man-page.sh ORCAUI OUTPUT
set -euo pipefail
orcaui=$1
output=$2
include=$(mktemp)
trap 'rm -f "$include"' EXIT

# The overview's first line: "orcaui: WHAT IT IS."
name=$("$orcaui" --help | sed -n '1s/^orcaui: \(.*\)\.$/\1/p')
{
    echo '[COMMANDS]'
    # The command list: lines "  NAME  SUMMARY" after "commands:"; a name is
    # one or two words.
    "$orcaui" --help | sed -n '/^commands:$/,/^$/s/^  \([a-z]\+\( [a-z]\+\)\?\)  .*/\1/p' |
        while read -r command; do
            echo ".SS \"orcaui $command\""
            echo '.nf'
            # shellcheck disable=SC2086  # a two-word command is two arguments
            "$orcaui" $command --help | sed -e 's/\\/\\e/g' -e "s/^[.']/\\\\\&&/"
            echo '.fi'
        done
} >"$include"
help2man --no-info --section=1 --name="$name" --include="$include" --output="$output" "$orcaui"
# help2man dates the page "Month Year", which man page checkers cannot read
# as a date: the day in full instead (SOURCE_DATE_EPOCH's, if set, as
# help2man's own).
day=$(date -u -d "@${SOURCE_DATE_EPOCH:-$(date +%s)}" +%Y-%m-%d)
sed -i "2s/^\(\.TH [^ ]* \"1\" \)\"[^\"]*\"/\1\"$day\"/" "$output"
