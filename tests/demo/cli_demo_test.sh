#!/usr/bin/env bash
# tavrin-cli demo as a user runs it: a new folder gets the demo season; running it again, or over
# any data file, is refused with exit status 1 and a message, and every file stays as it was.
set -euo pipefail
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*"; exit 1; }

"$cli" -C "$work/season" demo --year 2000 --seed 5 --weeks-played 3 >"$work/out" 2>"$work/err" ||
  fail "the first run did not succeed: $(cat "$work/err")"
[ -s "$work/err" ] && fail "the first run complained: $(cat "$work/err")"
grep -q "Demo season 2000" "$work/out" || fail "no confirmation on standard output"
(cd "$work/season" && ls) >"$work/files"
expected="TVSC1999.dat TVSC2000.dat TVSt1999.dat TVSt2000.dat TavNM.dat TavSE.dat "
[ "$(tr '\n' ' ' <"$work/files")" = "$expected" ] ||
  fail "unexpected files: $(cat "$work/files")"
"$cli" -C "$work/season" settings | grep -q "Last Scored Week: 3" ||
  fail "the settings do not name week 3"
before=$(cd "$work/season" && sha256sum ./*)

status=0
"$cli" -C "$work/season" demo 2>"$work/err" >/dev/null || status=$?
[ "$status" -eq 1 ] || fail "a second run gave exit status $status, not 1"
grep -q "already holds Tavrin data" "$work/err" || fail "no refusal message: $(cat "$work/err")"
[ "$(cd "$work/season" && sha256sum ./*)" = "$before" ] || fail "the second run changed the files"

mkdir "$work/other"
echo "mine" >"$work/other/TVSt1987.dat"
status=0
"$cli" -C "$work/other" demo 2>/dev/null >/dev/null || status=$?
[ "$status" -eq 1 ] || fail "a folder with a statistics file gave exit status $status"
[ "$(ls "$work/other")" = "TVSt1987.dat" ] && [ "$(cat "$work/other/TVSt1987.dat")" = "mine" ] ||
  fail "the folder with a statistics file was changed"

status=0
"$cli" -C "$work/third" demo --weeks-played 40 2>/dev/null || status=$?
[ "$status" -eq 2 ] || fail "--weeks-played 40 gave exit status $status, not 2"
[ ! -e "$work/third/TavSE.dat" ] || fail "a refused usage wrote files"
echo "cli demo: 4 passed, 0 failed"
