#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package with CPack into OUT and checks it: its name, its
# control fields (section, version, library dependencies found by
# dpkg-shlibdeps) and lintian without errors or warnings beyond the overrides
# the package ships.
set -euo pipefail
build=$1
out=$2
version=$3

rm -rf "$out"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out.log" 2>&1 || {
  cat "$out.log"
  exit 1
}
deb="$out/veltrisko_${version}_amd64.deb"
[ -f "$deb" ] || { echo "FAIL: $deb was not built"; ls "$out"; exit 1; }

status=0
field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = veltrisko ] || { echo "FAIL: Package is '$(field Package)'"; status=1; }
[ "$(field Version)" = "$version" ] || { echo "FAIL: Version is '$(field Version)'"; status=1; }
[ "$(field Section)" = science ] || { echo "FAIL: Section is '$(field Section)'"; status=1; }
for library in libc6 libqt6widgets6 libpng16-16; do
  field Depends | grep -qw "$library" || { echo "FAIL: Depends lacks $library: $(field Depends)"; status=1; }
done

# lintian warns about running as root; its findings go to standard output.
lintian --fail-on error,warning "$deb" 2>/dev/null || {
  echo "FAIL: lintian found errors or warnings (accept a warning only in packaging/lintian-overrides, with its reason)"
  status=1
}
exit $status
