#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Fails when a folder of the product includes a folder above it: includes run
# one way, text -> resources -> platform -> settings -> commands -> printers
# -> framework -> pages -> plugin -> host. Tests, benchmarks and fuzz targets
# sit above them all and are not checked.
set -euo pipefail
cd "$(dirname "$0")/.."
layers=(text resources platform settings commands printers framework pages plugin host)
declare -A rank
for i in "${!layers[@]}"; do rank[${layers[$i]}]=$i; done

status=0
while IFS= read -r file; do
    top=${file#src/}
    top=${top%%/*}
    [[ $file == host/* ]] && top=host
    own=${rank[$top]:?"$file: no layer for folder $top"}
    while IFS=: read -r line include; do
        folder=${include%%/*}
        used=${rank[$folder]:-}
        [[ -z $used ]] && continue
        if ((used > own)); then
            echo "$file:$line: $top includes $folder, a layer above it" >&2
            status=1
        fi
    done < <(grep -noE '^#include "[a-z_0-9]+/[^"]+"' "$file" | sed -E 's/:#include "/:/; s/"$//')
done < <(git ls-files 'src/*.cpp' 'src/*.h' 'host/*.cpp' 'host/*.h')
exit $status
