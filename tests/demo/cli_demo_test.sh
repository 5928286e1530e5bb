#!/usr/bin/env bash
# tavrin-cli demo as a user runs it: what only the tool can get wrong, its options, output and
# exit statuses; which files the demo writes or refuses to touch is the demo library's tests' job.
set -euo pipefail
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*"; exit 1; }

out=$("$cli" -C "$work/season" demo --year 2000 --seed 5 --weeks-played 3) ||
  fail "the first run did not succeed"
[[ $out == *"Demo season 2000"* ]] || fail "no confirmation on standard output"
[[ $("$cli" -C "$work/season" settings) == *"Last Scored Week: 3"* ]] ||
  fail "the settings do not name week 3"
status=0
"$cli" -C "$work/season" demo >/dev/null 2>&1 || status=$?
[ "$status" -eq 1 ] || fail "a second run gave exit status $status, not 1"
status=0
"$cli" -C "$work/third" demo --weeks-played 40 2>/dev/null || status=$?
[ "$status" -eq 2 ] || fail "--weeks-played 40 gave exit status $status, not 2"
echo "cli demo: 3 passed, 0 failed"
