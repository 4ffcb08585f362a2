#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Installs, from Debian's packages, whatever of the tools a stage needs that
# this machine lacks; does nothing (and needs no network) when all are present.
#
#   install-deps.sh STAGE...
#
#   build    the Linux build of the plug-in and orcaui (scripts/build.sh), with
#            nlohmann-json for its --json output, libedit for sheet -i and
#            libcups for --spooler cups
#   test     the rest of the Linux suite: clang with its sanitizer runtimes and
#            clang-format, help2man for the man page and mandoc to check it,
#            dpkg-dev and file, which CPack's Debian package needs, lintian to
#            check the package, and the CUPS server and its clients for the
#            tests that print through a private cupsd
#   windows  the Windows stage: the mingw-w64 cross toolchain with posix
#            threads, googletest's sources to build for Windows, and 64-bit
#            Wine (and Xvfb for its windows) to run it
set -euo pipefail
packages=()
lean=()
for stage in "$@"; do
    case $stage in
        build) packages+=(cmake ninja-build g++ libgtest-dev libgmock-dev libbenchmark-dev
                         nlohmann-json3-dev libedit-dev libcups2-dev pkg-config) ;;
        test)
            packages+=(clang libclang-rt-14-dev clang-format help2man mandoc dpkg-dev file lintian)
            # Without their recommendations (document converters, network discovery).
            lean+=(cups-daemon cups-client)
            ;;
        windows) packages+=(g++-mingw-w64-x86-64-posix googletest wine wine64 xvfb) ;;
        *)
            echo "install-deps.sh: no stage \"$stage\" (build, test, windows)" >&2
            exit 2
            ;;
    esac
done
missing=()
missing_lean=()
for p in "${packages[@]}" "${lean[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" && continue
    if [[ " ${lean[*]} " == *" $p "* ]]; then missing_lean+=("$p"); else missing+=("$p"); fi
done
if ((${#missing[@]} + ${#missing_lean[@]})); then
    echo "installing: ${missing[*]} ${missing_lean[*]}"
    sudo_cmd=""
    [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
    $sudo_cmd apt-get update -qq
    if ((${#missing[@]})); then
        DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
    fi
    if ((${#missing_lean[@]})); then
        DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends \
            "${missing_lean[@]}"
    fi
fi
