#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Builds the plug-in and the command-line host orcaui in build/ (the plain
# build of scripts/test.sh), after installing whatever build tools are missing.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh build
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=g++ \
      -DCMAKE_C_COMPILER=gcc >/dev/null
cmake --build build -j "$(nproc)" --target orcaui
