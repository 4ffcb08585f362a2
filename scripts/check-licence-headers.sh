#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Checks that every source file of the repository names its licence on its
# first line (the second after a "#!" line): "// SPDX-License-Identifier:
# Apache-2.0" in C and C++ files, the same after "# " in shell and CMake
# files. Lists each file without it and fails; prints nothing when all have it.
#
#   check-licence-headers.sh [SOURCE_DIR]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"
tag="SPDX-License-Identifier: Apache-2.0"

# The comment that opens a line in each kind of source file.
leader() {
    case $1 in
        *.cpp | *.h | *.c) echo "//" ;;
        *.sh | *.bash | *.cmake | */CMakeLists.txt | CMakeLists.txt | .ci/run) echo "#" ;;
    esac
}

# The repository's files, new ones not yet added included; outside a git
# checkout (a source archive), every file but the build folders.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t files < <(git ls-files --cached --others --exclude-standard)
else
    mapfile -t files < <(find . -path './build*' -prune -o -type f -printf '%P\n')
fi

missing=0
for file in "${files[@]}"; do
    [ -f "$file" ] || continue
    comment=$(leader "$file")
    [ -n "$comment" ] || continue
    first="" second=""
    { IFS= read -r first && IFS= read -r second; } <"$file" || true
    [[ $first == "#!"* ]] && first=$second
    if [ "$first" != "$comment $tag" ]; then
        echo "$file"
        missing=$((missing + 1))
    fi
done
if ((missing)); then
    echo "check-licence-headers: $missing source files lack the line \"$tag\"" >&2
    exit 1
fi
