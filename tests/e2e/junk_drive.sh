#!/usr/bin/env bash
# The junk cleaner on a real drive: a drive letter of the test prefix is mapped
# to a folder holding a.tmp, b.bak, ~x.doc, an empty file, a read-only .tmp and
# a file that is no junk, and the real window scans it and recycles two files.
set -euo pipefail
source "$(dirname "$0")/lib.bash"
tests="$(dirname "$1")/sorvane_tests.exe"
[ -f "$tests" ] || fail "no test program beside $1"
letter=q
[ -e "$WINEPREFIX/dosdevices/$letter:" ] && fail "drive $letter: is already mapped in the test prefix"
base=$(mktemp -d)
cleanup() { rm -f "$WINEPREFIX/dosdevices/$letter:"; chmod -R u+w "$base"; rm -rf "$base"; }
trap cleanup EXIT
mkdir -p "$base/work"
head -c 1234 /dev/zero > "$base/a.tmp"
head -c 5000 /dev/zero > "$base/work/b.bak"
printf 'hi\n' > "$base/work/~x.doc"
: > "$base/work/empty.txt"
printf 'ro\n' > "$base/work/ro.tmp"
chmod 444 "$base/work/ro.tmp"
printf 'keep\n' > "$base/work/keep.doc"
ln -s "$base" "$WINEPREFIX/dosdevices/$letter:"
out=$(SV_JUNK_DRIVE=Q timeout 180 "$wine_run" "$tests" \
        --gtest_filter='JunkWin32.ADefaultScanOfARealDriveListsTheJunkAndRemoveRecyclesIt' 2>&1) || { echo "$out"; fail "the case failed"; }
echo "$out" | grep -q '\[  PASSED  \] 1 test' || { echo "$out"; fail "the case did not run"; }
[ -e "$base/work/ro.tmp" ] || fail "the read-only file was removed"
[ -e "$base/work/empty.txt" ] || fail "the empty file was removed"
echo "junk_drive: ok"
