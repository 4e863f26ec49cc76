#!/usr/bin/env bash
# The tree scanner walks past folder links (a link to its own parent, a link to
# a folder elsewhere) instead of looping or leaving the tree. Wine cannot make
# such links itself, so they are made here with ln -s.
set -euo pipefail
source "$(dirname "$0")/lib.bash"
tests="$(dirname "$1")/sorvane_tests.exe"
[ -f "$tests" ] || fail "no test program beside $1"
base="$drive_c/sv_e2e_treescan"
rm -rf "$base"
mkdir -p "$base/tree/sub" "$base/outside"
echo a > "$base/tree/a.txt"
echo b > "$base/tree/sub/b.txt"
echo keep > "$base/outside/precious.txt"
ln -s .. "$base/tree/sub/up"
ln -s "$base/tree" "$base/tree/loop"
ln -s ../outside "$base/tree/elsewhere"
out=$(SV_TREESCAN_LINK_TREE='C:\sv_e2e_treescan\tree' timeout 120 "$wine_run" "$tests" \
        --gtest_filter='TreeScanWin32.FolderLinksAreNeitherReportedNorEntered' 2>&1) || { echo "$out"; fail "the walk failed"; }
echo "$out" | grep -q '\[  PASSED  \] 1 test' || { echo "$out"; fail "the case did not run"; }
rm -rf "$base"
echo "treescan_links: ok"
