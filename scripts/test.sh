#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# The whole suite: the g++ Release build (what packagers build) and its tests,
# its Debian package installed, used and removed, the Windows build and its
# tests under Wine, then a clang AddressSanitizer + UndefinedBehaviorSanitizer
# build that also runs each fuzz target briefly on its corpus, then the suite
# again under the sanitizers (its summary ends the output). Every build here
# treats warnings as errors; a user's build does not.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh build test windows

jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DORCA_WERROR=ON \
      -DCMAKE_CXX_COMPILER=g++ -DCMAKE_C_COMPILER=gcc >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build -j "$jobs" --output-on-failure
# Label jobs printed through a private CUPS server with the build's filter.
bash scripts/test-cups.sh build
bash scripts/test-package.sh

# ORCAUI.dll and the Windows test programs, built with mingw-w64 and run under Wine.
bash scripts/test-windows.sh

cmake -S . -B build-san -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORCA_SANITIZE=ON -DORCA_WERROR=ON \
      -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang >/dev/null
cmake --build build-san -j "$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# Each fuzz target briefly on its corpus (scripts/fuzz.sh says more).
ORCA_FUZZ_BUILD=build-san bash scripts/fuzz.sh

# The device manager's registrations from several threads, under ThreadSanitizer.
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORCA_TSAN=ON -DORCA_WERROR=ON \
      -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang >/dev/null
cmake --build build-tsan -j "$jobs" --target test_printers
TSAN_OPTIONS=halt_on_error=1 ctest --test-dir build-tsan -R DeviceManagerStress --output-on-failure

ctest --test-dir build-san -j "$jobs" --output-on-failure
