#!/usr/bin/env bash
# Tree scanner against GNU find on one generated tree (100 x 100 folders with 10
# files each: 100,000 files in 10,101 folders), in one run. The Windows program
# walks it under Wine in a throw-away prefix; its walk is timed inside the
# program, so Wine's start-up is not counted. Prints times and the ratio.
#   bench/treescan.sh [build-dir]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build/bench-win}"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
      -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j1 --target bench_treescan_walk >/dev/null

prefix="$(mktemp -d /tmp/sv-bench-prefix.XXXXXX)"
trap 'rm -rf "$prefix"' EXIT
export SV_WINEPREFIX="$prefix/wine"
"$root/scripts/wine-prefix" "$SV_WINEPREFIX" >/dev/null 2>&1
tree="$SV_WINEPREFIX/drive_c/sv_bench_tree"
python3 - "$tree" <<'PY'
import os, sys
root = sys.argv[1]
for i in range(100):
    for j in range(100):
        d = os.path.join(root, f"dir{i:03d}", f"sub{j:03d}")
        os.makedirs(d)
        for k in range(10):
            with open(os.path.join(d, f"file_{k:02d}.dat"), "w") as f:
                f.write("x")
PY

runs=5
find "$tree" >/dev/null  # warm the cache for both
best=""
for _ in $(seq $runs); do
  t0=$(date +%s%N)
  n=$(find "$tree" | wc -l)
  t1=$(date +%s%N)
  ms=$(( (t1 - t0) / 1000000 ))
  if [ -z "$best" ] || [ "$ms" -lt "$best" ]; then best=$ms; fi
done
echo "find    $n entries, best of $runs: $best ms"

out=$("$root/scripts/wine-run" "$build/bench_treescan_walk.exe" 'C:\sv_bench_tree' $runs 2>/dev/null | tr -d '\r')
echo "$out"
scan=$(echo "$out" | awk '/^scanner/ {print $(NF-1)}')
bare=$(echo "$out" | awk '/^bare/ {print $(NF-1)}')
awk -v s="$scan" -v b="$bare" -v f="$best" 'BEGIN {
  printf "scanner / find: %.2fx   bare Win32 walk / find: %.2fx   scanner / bare walk: %.2fx\n", s / f, b / f, s / b }'
