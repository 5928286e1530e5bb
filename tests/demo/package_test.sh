#!/usr/bin/env bash
# The Debian package as cpack makes it: the programs, the launcher, the menu entry and the icons
# under /usr, and Depends naming the Qt 6 libraries, the platform plugins and {fmt}.
set -euo pipefail
build=$1 app=$2
command -v dpkg-deb >/dev/null && command -v dpkg-shlibdeps >/dev/null ||
  { echo "the Debian packaging tools are missing: skipped"; exit 77; }
[ "$app" != none ] && [ -x "$app" ] || { echo "the program is not built: skipped"; exit 77; }
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
contents=$(dpkg-deb -c "$deb")
for file in usr/bin/tavrin usr/bin/tavrin-cli usr/bin/tavrin-launch \
  usr/share/applications/tavrin.desktop usr/share/icons/hicolor/scalable/apps/tavrin.svg \
  usr/share/icons/hicolor/48x48/apps/tavrin.png; do
  grep -q " \./$file\$" <<<"$contents" || fail "$file is not in the package"
done
echo "package: 2 passed, 0 failed"
