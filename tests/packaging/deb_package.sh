#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package with CPack into OUT and checks it: its name, its
# control fields (section, version, library dependencies found by
# dpkg-shlibdeps) and lintian without errors or warnings beyond the overrides
# the package ships. With PYTHON (the interpreter the module is built for) it
# checks the second package, python3-veltrisko, too, and imports the module
# from its files.
set -euo pipefail
build=$1
out=$2
version=$3
python=${4:-}

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

if [ -n "$python" ]; then
  pydeb="$out/python3-veltrisko_${version}_amd64.deb"
  [ -f "$pydeb" ] || { echo "FAIL: $pydeb was not built"; ls "$out"; exit 1; }
  pyfield() { dpkg-deb --field "$pydeb" "$1"; }
  [ "$(pyfield Section)" = python ] || { echo "FAIL: python3-veltrisko Section is '$(pyfield Section)'"; status=1; }
  for dependency in libc6 libstdc++6 python3-numpy "python3 (>= "; do
    pyfield Depends | grep -qF "$dependency" || { echo "FAIL: python3-veltrisko Depends lacks $dependency: $(pyfield Depends)"; status=1; }
  done
  lintian --fail-on error,warning "$pydeb" 2>/dev/null || {
    echo "FAIL: lintian found errors or warnings in python3-veltrisko"
    status=1
  }
  rm -rf "$out/python3-veltrisko"
  dpkg-deb -x "$pydeb" "$out/python3-veltrisko"
  PYTHONPATH="$out/python3-veltrisko/usr/lib/python3/dist-packages" "$python" -c \
    'import veltrisko; assert veltrisko.gain("030EA10", 30.0) < -3.01' || {
    echo "FAIL: the packaged module does not import"
    status=1
  }
  # The viewer's package holds nothing of the module.
  if dpkg-deb --contents "$deb" | grep -q dist-packages; then
    echo "FAIL: the veltrisko package holds the Python module"
    status=1
  fi
fi
exit $status
