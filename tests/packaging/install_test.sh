#!/usr/bin/env bash
# cmake --install into a scratch root: the programs, the launcher, the menu entry, the icons and
# the manual pages land in their usual places, and the installed launcher fills a new user's data
# folder with the demo season on first start and leaves it alone afterwards.
set -euo pipefail
build=$1 cli=$2 app=$3
# The install step needs everything it installs built; a partial build skips this test.
[ -x "$cli" ] || { echo "tavrin-cli is not built: skipped"; exit 77; }
[ "$app" = none ] || [ -x "$app" ] || { echo "tavrin is not built: skipped"; exit 77; }
[ -e "$build/packaging/man/tavrin-cli.1.gz" ] ||
  { echo "the manual pages are not built: skipped"; exit 77; }
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "FAILED: $*"; exit 1; }

DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
id=org.tavrin.Tavrin
for file in usr/bin/tavrin-cli usr/bin/tavrin-launch usr/share/applications/$id.desktop \
  usr/share/metainfo/$id.metainfo.xml usr/share/icons/hicolor/scalable/apps/$id.svg \
  usr/share/icons/hicolor/48x48/apps/$id.png usr/share/icons/hicolor/256x256/apps/$id.png \
  usr/share/man/man1/tavrin-cli.1.gz usr/share/man/man1/tavrin-launch.1.gz; do
  [ -e "$root/$file" ] || fail "$file was not installed"
done
grep -q '^Exec=tavrin-launch$' "$root/usr/share/applications/$id.desktop" || fail "Exec line"

# Without the window program the launcher still makes the data folder before it fails to start it.
export XDG_DATA_HOME="$root/home/data" QT_QPA_PLATFORM=offscreen
status=0
timeout 10 "$root/usr/bin/tavrin-launch" >/dev/null 2>&1 || status=$?
[ -e "$XDG_DATA_HOME/tavrin/TavSE.dat" ] || fail "the first start made no demo season"
if [ "$app" != none ]; then
  [ "$status" -eq 124 ] || fail "the program did not keep running (exit status $status)"
fi
before=$(cd "$XDG_DATA_HOME/tavrin" && sha256sum ./*)
timeout 5 "$root/usr/bin/tavrin-launch" >/dev/null 2>&1 || true
[ "$(cd "$XDG_DATA_HOME/tavrin" && sha256sum ./*)" = "$before" ] ||
  fail "a second start changed the season"
echo "install: 3 passed, 0 failed"
