#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# The Debian package, as a user gets it: made with CPack from the Release build
# in build/ (configured by scripts/test.sh) and checked by lintian, which must
# find no error and no warning; installed on this machine with apt-get, the
# README's main job run with the installed /usr/bin/orcaui on a fresh state
# directory, its version and licence, man page (which mandoc must pass without
# a warning), completion, copyright file, changelog and notices checked; and
# purged again, leaving none of its files. Needs root or sudo.
set -euo pipefail
cd "$(dirname "$0")/.."
sudo_cmd=""
[ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
apt() { DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get "$@" -y -qq >/dev/null; }

cmake --build build -j "$(nproc)" --target orcaui orcaui_man_page orcaui_changelog
work=$(mktemp -d)
chmod 755 "$work"  # apt reads the package as its own unprivileged user
installed=0
cleanup() {
    if ((installed)); then apt purge orcaui || true; fi
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "package: $*"
    exit 1
}
cpack --config build/CPackConfig.cmake -B "$work" >/dev/null
deb=$(echo "$work"/orcaui_*.deb)
echo "package: ${deb##*/}, $(stat -c %s "$deb") bytes"
# Errors and warnings fail the stage; informational tags (the hardening flags
# and .comment sections of a plain CMake build) are neither shown nor fatal.
lintian --fail-on error,warning "$deb" || fail "lintian finds fault with it"
apt install "$deb"
installed=1
mapfile -t files < <(dpkg-query -L orcaui)
version=$(dpkg-query -W -f='${Version}' orcaui)
/usr/bin/orcaui --version >"$work/version.txt"
[ "$(head -n 1 "$work/version.txt")" = "orcaui $version" ] || fail "orcaui --version is not $version"
grep -q '^License Apache-2.0: ' "$work/version.txt" || fail "orcaui --version names no licence"
linked=$(ldd /usr/bin/orcaui | sed -n 's/^\s*liborcasim.so => \(\S*\) .*/\1/p')
[ "$(realpath -m "$linked")" = /usr/lib/orcaui/liborcasim.so ] ||
    fail "the installed orcaui links ${linked:-no} liborcasim.so, not the installed one"
filter=/usr/lib/cups/filter/orcaui-filter
linked=$(ldd "$filter" | sed -n 's/^\s*liborcatext.so => \(\S*\) .*/\1/p')
[ "$(realpath -m "$linked")" = /usr/lib/orcaui/liborcatext.so ] ||
    fail "the installed $filter links ${linked:-no} liborcatext.so, not the installed one"
[ -f /usr/share/cups/mime/orcaui.types ] || fail "no /usr/share/cups/mime/orcaui.types"
# From another folder, so that nothing of the build tree can serve it.
(
    cd /
    /usr/bin/orcaui --state "$work/state" sheet "Kestrel(ORCA)" --all >"$work/sheet.txt" 2>/dev/null
) || fail "the main job failed"
for shown in '"Kestrel(ORCA) Printing Preferences"' 'IDC_OPTION_COMBO_UNITS' '"Version"'; do
    grep -qF "$shown" "$work/sheet.txt" || fail "the main job does not show $shown"
done
gzip -t /usr/share/man/man1/orcaui.1.gz || fail "no compressed /usr/share/man/man1/orcaui.1.gz"
mandoc -Tlint -W warning /usr/share/man/man1/orcaui.1.gz || fail "mandoc warns of the man page"
doc=/usr/share/doc/orcaui
grep -qx 'License: Apache-2.0' $doc/copyright || fail "$doc/copyright names no Apache-2.0 licence"
zcat $doc/changelog.gz >"$work/changelog"
[[ $(head -n 1 "$work/changelog") == "orcaui ($version) "* ]] ||
    fail "$doc/changelog.gz does not begin with $version"
grep -q 'winpthreads' $doc/THIRD-PARTY-NOTICES || fail "no third-party notices in $doc"
if command -v man >/dev/null; then
    man -w orcaui >/dev/null || fail "man finds no orcaui(1)"
fi
bash -c 'source /usr/share/bash-completion/completions/orcaui && complete -p orcaui' >/dev/null ||
    fail "the bash completion does not load"

apt purge orcaui
installed=0
! dpkg-query -W orcaui >/dev/null 2>&1 || fail "still known to dpkg after the purge"
for file in "${files[@]}"; do
    [ -d "$file" ] && [[ $file != /usr/lib/orcaui ]] && continue
    [ ! -e "$file" ] || fail "$file was left behind"
done
echo "package: orcaui $version installed, ran the main job, purged leaving none of its files"
