#!/usr/bin/env bash
# tavrin-cli demo as a user runs it: what only the tool can get wrong, its exit statuses and
# messages; which files the demo writes or refuses to touch is the demo library's tests' job.
set -euo pipefail
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*"; exit 1; }

"$cli" -C "$work/season" demo --year 2000 --seed 5 --weeks-played 3 >"$work/out" 2>"$work/err" ||
  fail "the first run did not succeed: $(cat "$work/err")"
[ -s "$work/err" ] && fail "the first run complained: $(cat "$work/err")"
grep -q "Demo season 2000" "$work/out" || fail "no confirmation on standard output"
"$cli" -C "$work/season" settings | grep -q "Last Scored Week: 3" ||
  fail "the settings do not name week 3"
before=$(cd "$work/season" && sha256sum ./*)

status=0
"$cli" -C "$work/season" demo 2>"$work/err" >/dev/null || status=$?
[ "$status" -eq 1 ] || fail "a second run gave exit status $status, not 1"
grep -q "already holds Tavrin data" "$work/err" || fail "no refusal message: $(cat "$work/err")"
[ "$(cd "$work/season" && sha256sum ./*)" = "$before" ] || fail "the second run changed the files"

status=0
"$cli" -C "$work/third" demo --weeks-played 40 2>/dev/null || status=$?
[ "$status" -eq 2 ] || fail "--weeks-played 40 gave exit status $status, not 2"
[ ! -e "$work/third/TavSE.dat" ] || fail "a refused usage wrote files"
echo "cli demo: 3 passed, 0 failed"
