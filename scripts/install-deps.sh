#!/usr/bin/env bash
# Installs, from Debian's packages, whatever of the build and test tools this
# machine lacks; does nothing (and needs no network) when all are present.
set -euo pipefail
packages=(cmake ninja-build g++ clang libclang-rt-14-dev libgtest-dev libgmock-dev
          libbenchmark-dev clang-format nlohmann-json3-dev libedit-dev
          pkg-config)
# The Windows build: the mingw-w64 cross toolchain with posix threads, googletest's
# sources to build for Windows, and 64-bit Wine (and Xvfb for windows) to run it.
packages+=(g++-mingw-w64-x86-64-posix googletest wine wine64 xvfb)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "installing: ${missing[*]}"
    sudo_cmd=""
    [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi
