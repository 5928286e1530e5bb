#!/usr/bin/env bash
# The Debian package as cpack makes it: the program under /usr, and Depends naming the Qt 6
# libraries, the platform plugins and {fmt}; the menu entry and the software centre's description
# pass the desktop's own validators; the changelog's newest entry and the software centre's newest
# release name the package's version; lintian prints nothing.
set -euo pipefail
build=$1 app=$2
command -v dpkg-deb >/dev/null && command -v dpkg-shlibdeps >/dev/null ||
  { echo "the Debian packaging tools are missing: skipped"; exit 77; }
command -v desktop-file-validate >/dev/null && command -v appstreamcli >/dev/null ||
  { echo "desktop-file-validate or appstreamcli is missing (scripts/install-deps): skipped"; exit 77; }
command -v lintian >/dev/null && command -v dpkg-parsechangelog >/dev/null ||
  { echo "lintian or dpkg-parsechangelog is missing (scripts/install-deps): skipped"; exit 77; }
[ "$app" != none ] && [ -x "$app" ] || { echo "the program is not built: skipped"; exit 77; }
[ -e "$build/packaging/man/tavrin-cli.1.gz" ] ||
  { echo "the manual pages are not built: skipped"; exit 77; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAILED: $*"; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/log" 2>&1 ||
  fail "cpack: $(tail -5 "$out/log")"
deb=$(ls "$out"/tavrin_*_amd64.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libqt6gui6 libqt6printsupport6 libqt6core6 qt6-qpa-plugins libfmt9; do
  grep -q "\b$package\b" <<<"$depends" || fail "Depends lacks $package: $depends"
done
# The rest of what is installed is the install test's: the package takes it from the same rules.
grep -q " \./usr/bin/tavrin$" <<<"$(dpkg-deb -c "$deb")" ||
  fail "usr/bin/tavrin is not in the package"
id=org.tavrin.Tavrin

dpkg-deb -x "$deb" "$out/root"
desktop-file-validate "$out/root/usr/share/applications/$id.desktop" >"$out/log" 2>&1 ||
  fail "desktop-file-validate: $(cat "$out/log")"
appstreamcli validate --no-net --pedantic "$out/root/usr/share/metainfo/$id.metainfo.xml" \
  >"$out/log" 2>&1 || fail "appstreamcli validate: $(cat "$out/log")"

version=$(dpkg-deb -f "$deb" Version)
zcat "$out/root/usr/share/doc/tavrin/changelog.gz" >"$out/changelog"
[ "$(dpkg-parsechangelog -l "$out/changelog" -S Version)" = "$version" ] ||
  fail "the changelog's newest entry is not version $version"
newest_release=$(grep -m1 "<release " "$out/root/usr/share/metainfo/$id.metainfo.xml")
grep -q "version=\"$version\"" <<<"$newest_release" ||
  fail "the software centre's newest release is not $version"

# Every tag lintian prints, errors, warnings or the rest it shows by default, is a fault.
tags=$(lintian "$deb" 2>"$out/log") || fail "lintian: $tags $(cat "$out/log")"
[ -z "$tags" ] || fail "lintian: $tags"
echo "package: 6 passed, 0 failed"
