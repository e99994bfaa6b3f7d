#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the build into STAGE (as DESTDIR, prefix /usr) and checks that every
# file a desktop installation needs is there: programs, menu entry, AppStream
# data, each icon at its size, man pages, the user guide in English and German
# with its pictures, licence, and the browser page if the build ships one.
set -euo pipefail
build=$1
stage=$2
web_page=${3:-}

rm -rf "$stage"
DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null

usr="$stage/usr"
icons="$usr/share/icons/hicolor"
doc="$usr/share/doc/veltrisko"
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

for file in bin/veltrisko bin/veltrisko-pattern; do
  [ -x "$usr/$file" ] || fail "/usr/$file is missing or not executable"
done
for file in \
  share/applications/org.veltrisko.Veltrisko.desktop \
  share/metainfo/org.veltrisko.Veltrisko.metainfo.xml \
  share/icons/hicolor/scalable/apps/org.veltrisko.Veltrisko.svg \
  share/man/man1/veltrisko.1.gz \
  share/man/man1/veltrisko-pattern.1.gz \
  share/doc/veltrisko/user-guide.html \
  share/doc/veltrisko/user-guide.de.html \
  share/doc/veltrisko/copyright \
  share/doc/veltrisko/changelog.gz; do
  [ -s "$usr/$file" ] || fail "/usr/$file is missing or empty"
done
for size in 16 32 48 64 128 256; do
  png="$icons/${size}x${size}/apps/org.veltrisko.Veltrisko.png"
  file "$png" | grep -q "PNG image data, $size x $size," || fail "$png is not a $size x $size PNG"
done
# Each guide with the heading of its first section.
for guide in "user-guide.html:Using the viewer" "user-guide.de.html:Den Betrachter benutzen"; do
  page="$doc/${guide%%:*}"
  [ -f "$page" ] || continue
  for picture in $(grep -o 'src="[^"]*"' "$page" | sed 's/^src="//; s/"$//'); do
    [ -s "$doc/$picture" ] || fail "${guide%%:*} shows $picture, which is not installed"
  done
  grep -q "<h2>${guide#*:}</h2>" "$page" || fail "${guide%%:*} lacks its first section"
done

# The browser page, when the build ships it.
if [ -n "$web_page" ]; then
  cmp -s "$web_page" "$usr/share/veltrisko/veltrisko.html" ||
    fail "/usr/share/veltrisko/veltrisko.html is not the built page"
fi

[ "$failures" -eq 0 ] || exit 1
echo "staged install in $stage is complete"
