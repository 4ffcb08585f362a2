#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# The Windows stage of the suite: cross-builds ORCAUI.dll and the Windows test
# programs with mingw-w64 in build-win/, then runs them under Wine in a fresh,
# 64-bit prefix that is removed afterwards: headless, except the property
# sheet program, which shows the plug-in's pages in real sheets on an Xvfb
# display, at 96 and at 144 dots per inch (their screenshots land in
# build-win/screenshots/ and build-win/screenshots-144dpi/). Leaves the
# release folder build-win/release/ and its archive
# build-win/ORCAUI-<version>-win-x64.zip (the DLL without symbols, the driver
# kit of packaging/windows/, the author's guide docs/driver-package.md,
# LICENSE and THIRD-PARTY-NOTICES), and checks that DLL's tables, that it
# stays under 1.5 MB and that the archive holds the release folder's files.
# Prints each program's summary and every failure.
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=$(nproc)
# -O2 without debug information: the quickest build of a DLL as it ships.
cmake -S . -B build-win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
      -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
      -DORCA_WERROR=ON >/dev/null
cmake --build build-win -j "$jobs"

prefix=$(mktemp -d)
cleanup() {
    WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 || true
    rm -rf "$prefix"
}
trap cleanup EXIT
export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=-all
unset DISPLAY
wineboot --init >/dev/null 2>&1
# Wine draws every window's frame itself: with no window manager on the Xvfb
# display, each window left to one would wait seconds for it when it closes.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1

# GTEST_BRIEF keeps each program's output to its failures and its summary;
# -V prints that output for passing programs too. xvfb-run -a picks a free
# display. A Windows program that fails is run once more: Wine's process start
# now and then faults before a program's own code runs; a real failure fails
# twice and is printed both times.
sheets=test_win_sheets
rerun=(--repeat until-pass:2)
GTEST_BRIEF=1 ctest --test-dir build-win --output-on-failure -V --timeout 300 "${rerun[@]}" \
    -E "^$sheets\$"
# The prefix's server and desktop, started without a display, must not serve
# the sheet program: it starts a fresh one on the Xvfb display.
wineserver -k >/dev/null 2>&1 || true
wineserver -w
GTEST_BRIEF=1 xvfb-run -a ctest --test-dir build-win --output-on-failure -V --timeout 300 \
    "${rerun[@]}" -R "^$sheets\$"
# The same sheets at 144 dots per inch, the system's setting for large text,
# with their pictures in build-win/screenshots-144dpi/.
wineserver -k >/dev/null 2>&1 || true
wineserver -w
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
wineserver -k >/dev/null 2>&1 || true
wineserver -w
mkdir -p build-win/screenshots-144dpi
ORCA_SCREENSHOT_DIR="Z:$PWD/build-win/screenshots-144dpi" GTEST_BRIEF=1 xvfb-run -a \
    ctest --test-dir build-win --output-on-failure -V --timeout 300 "${rerun[@]}" -R "^$sheets\$"
