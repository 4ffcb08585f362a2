#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Writes the Debian changelog of the orcaui package from CHANGELOG.md: an
# entry for each version, newest first, each group of changes an item with
# its bullets beneath, signed by the package's maintainer on the version's
# date. An [Unreleased] section is left out. Fails when the newest version is
# not the project's, or on a line of a form the changelog does not have.
#
#   make-debian-changelog.sh CHANGELOG VERSION MAINTAINER OUTPUT
set -euo pipefail
changelog=$1
version=$2
maintainer=$3
output=$4

fail() {
    echo "make-debian-changelog.sh: $*" >&2
    exit 1
}

newest=""
signature=""
state=preamble # then unreleased or entry
number=0
{
    while IFS= read -r line || [ -n "$line" ]; do
        number=$((number + 1))
        heading='^## \[([0-9]+\.[0-9]+\.[0-9]+)\] - ([0-9]{4}-[0-9]{2}-[0-9]{2})$'
        if [[ $line =~ $heading ]]; then
            [ -z "$signature" ] || printf '\n%s\n\n' "$signature"
            newest=${newest:-${BASH_REMATCH[1]}}
            date=$(LC_ALL=C date -u -R -d "${BASH_REMATCH[2]}") ||
                fail "$changelog:$number: no such date"
            signature=" -- $maintainer  $date"
            printf 'orcaui (%s) unstable; urgency=medium\n\n' "${BASH_REMATCH[1]}"
            state=entry
        elif [[ $line == "## [Unreleased]" ]]; then
            state=unreleased
        elif [ "$state" != entry ] || [ -z "$line" ]; then
            continue
        elif [[ $line =~ ^###\ ([A-Z][a-z]+)$ ]]; then
            echo "  * ${BASH_REMATCH[1]}:"
        elif [[ $line == "- "* ]]; then
            echo "    $line"
        elif [[ $line =~ ^\ \ [^\ ] ]]; then
            echo "    $line"
        else
            fail "$changelog:$number: neither a heading nor a bullet: $line"
        fi
    done <"$changelog"
    [ -z "$signature" ] || printf '\n%s\n' "$signature"
} >"$output"
[ "$newest" = "$version" ] ||
    fail "the newest version in $changelog is ${newest:-none}, the project's is $version"
