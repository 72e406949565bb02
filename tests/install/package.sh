#!/bin/sh
# package.sh - makes the Debian package the way docs/HACKING.md says (tools/package,
# a Release tree of its own inside the test build: a package of the sanitizer
# build would depend on the sanitizer runtimes), unpacks it into a scratch root
# and checks it: its control fields, that every file is where it belongs and
# none else, that the menu entry, icons, metainfo and manual (page and HTML)
# are the very ones `cmake --install` installs, that lintian finds nothing, that AppStream
# accepts the metainfo with its menu entry, and that the one version is the
# same everywhere.
#
#   package.sh <test build dir> <source dir>
#
# Prints one line per failed check and exits 1 if there was any.
set -u
build=$1 src=$2
work=$(mktemp -d /tmp/hudwright-package.XXXXXX)
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

deb=$("$src/tools/package" "$build/package" 2>"$work/package.log" | tail -n 1)
[ -f "$deb" ] || { cat "$work/package.log"; echo "FAIL: tools/package made no package"; exit 1; }
cmake --install "$build" --prefix "$work/prefix" >"$work/install.log" 2>&1 || { cat "$work/install.log"; exit 1; }
prefix=$work/prefix root=$work/root
dpkg-deb -x "$deb" "$root" || { echo "FAIL: dpkg-deb cannot unpack $deb"; exit 1; }

# The one version: version.h, the package, its file name, the manual page, the metainfo
# (an empty one fails them all).
version=$(sed -n 's/^#define HUDWRIGHT_VERSION "\(.*\)"$/\1/p' "$build/generated/version/version.h")
arch=$(dpkg --print-architecture)
# (the file name is made of the Package, Version and Architecture fields: DEB-DEFAULT)
[ "$(basename "$deb")" = "hudwright_${version}_${arch}.deb" ] || fail "package file is $(basename "$deb")"
# ... and the one release date beside it: the metainfo's, the manual page's, the changelog's.
released=$(sed -n "s/.*<release version=\"$version\" date=\"\([0-9-]*\)\".*/\1/p" "$root"/usr/share/metainfo/*.metainfo.xml)
[ -n "$released" ] || fail "the metainfo's release is not $version"
gzip -dc "$root/usr/share/man/man1/hudwright.1.gz" 2>/dev/null | grep -q "^\.TH \"HUDWRIGHT\" \"1\" \"$released\" \"Hudwright $version\"" ||
    fail "the manual page's header does not name version $version of $released"
gzip -dc "$root/usr/share/doc/hudwright/changelog.gz" >"$work/changelog" 2>/dev/null
[ "$(dpkg-parsechangelog -l "$work/changelog" -S Version 2>&1)" = "$version" ] || fail "the changelog's version is not $version"
date=$(dpkg-parsechangelog -l "$work/changelog" -S Date 2>&1)
[ -n "$released" ] && [ "$date" = "$(LC_ALL=C date -u -R -d "$released")" ] || fail "the changelog's date, $date, is not $released"

# Dependencies come from the binary: the package that gave this machine
# libSDL-1.2.so.0 (classic or sdl12-compat), and no sanitizer runtime.
depends=$(dpkg-deb -f "$deb" Depends)
sdl=$(dpkg -S libSDL-1.2.so.0 2>/dev/null | sed -n "s/^\([^:,]*\)\(:$arch\)\{0,1\}: .*\/libSDL-1\.2\.so\.0$/\1/p" | sort -u)
[ -n "$sdl" ] || fail "no installed package provides libSDL-1.2.so.0"
for p in $sdl; do
    echo "$depends" | tr ',|' '\n\n' | grep -q "^ *$p\( (.*)\)\{0,1\} *$" || fail "Depends ($depends) lacks $p"
done
case "$depends" in *asan* | *ubsan*) fail "Depends names a sanitizer runtime: $depends" ;; esac

# Every file where it belongs, and nothing else.
# (no metainfo from cmake --install: the list and the comparison below fail)
id=$(basename "$(ls "$prefix"/share/metainfo/*.metainfo.xml 2>/dev/null | head -n 1)" .metainfo.xml)
(cd "$root" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort) >"$work/files"
icons="icons/hicolor/32x32/apps/hudwright.png icons/hicolor/48x48/apps/hudwright.png icons/hicolor/128x128/apps/hudwright.png"
shared="applications/hudwright.desktop metainfo/$id.metainfo.xml $icons doc/hudwright/hudwright.html" # as cmake --install puts them
{ echo usr/bin/hudwright; printf 'usr/share/%s\n' $shared doc/hudwright/changelog.gz doc/hudwright/copyright \
    man/man1/hudwright.1.gz; } | LC_ALL=C sort >"$work/expected"
diff -u "$work/expected" "$work/files" >"$work/files.diff" || { fail "the package's files differ from the list:"; cat "$work/files.diff"; }

# The menu entry, icons, metainfo and HTML manual are the bytes `cmake --install`
# installs; the manual page is its page, compressed.
for f in $shared; do
    cmp -s "$prefix/share/$f" "$root/usr/share/$f" || fail "share/$f differs from what cmake --install installs"
done
gzip -dc "$root/usr/share/man/man1/hudwright.1.gz" 2>/dev/null | cmp -s - "$prefix/share/man/man1/hudwright.1" ||
    fail "the manual page differs from what cmake --install installs"

# lintian: no error and no warning (among them a missing Maintainer or extended
# Description, md5sums that do not match, an unstripped program).
lintian --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>"$work/lintian.err"
status=$?
[ $status -le 1 ] || { fail "lintian could not run (status $status)"; cat "$work/lintian.err"; }
grep -E '^[EW]: ' "$work/lintian.log" | sed 's/^/FAIL: lintian: /' | grep . && failed=1

# AppStream: the metainfo and the menu entry it launches, as a software centre reads them.
appstreamcli validate-tree --no-net "$root" >"$work/appstream.log" 2>&1 || { fail "appstreamcli validate-tree:"; cat "$work/appstream.log"; }

[ $failed -eq 0 ] && echo "package: all checks passed ($(basename "$deb"))"
exit $failed
