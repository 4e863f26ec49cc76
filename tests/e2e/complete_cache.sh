#!/usr/bin/env bash
# /CompleteCache empties the recorded folders, forgets them and keeps the key;
# a switch that is no switch of ours ends at once without touching anything.
set -euo pipefail
source "$(dirname "$0")/lib.bash"
exe="$1"
key='HKCU\Software\Kettrel\Sorvane\privacy'
base="$drive_c/sv_e2e_cache"
rm -rf "$base"
for f in cookies history cache; do
  mkdir -p "$base/$f/sub"
  echo x > "$base/$f/index.dat"
  echo y > "$base/$f/sub/page.htm"
done
reg delete "$key" /f >/dev/null || true
reg add "$key" /v Cookies /t REG_SZ /d 'C:\sv_e2e_cache\cookies' /f >/dev/null
reg add "$key" /v History /t REG_SZ /d 'C:\sv_e2e_cache\history' /f >/dev/null

# Not a switch: nothing happens.
timeout 60 "$wine_run" "$exe" /nonsense || fail "/nonsense did not end cleanly"
[ -f "$base/cookies/index.dat" ] || fail "/nonsense touched the cookies folder"
reg query "$key" /v Cookies | grep -q cookies || fail "/nonsense touched the registry"

timeout 120 "$wine_run" "$exe" /CompleteCache || fail "/CompleteCache failed"
for f in cookies history; do
  [ -d "$base/$f" ] || fail "$f folder itself was removed"
  [ -z "$(ls -A "$base/$f")" ] || fail "$f folder was not emptied: $(ls -A "$base/$f")"
done
[ -f "$base/cache/index.dat" ] || fail "the cache folder was not listed but was emptied"
out=$(reg query "$key") || fail "the privacy key is gone"
if echo "$out" | grep -qiE 'Cookies|History'; then fail "values left behind: $out"; fi
rm -rf "$base"
echo "complete_cache: ok"
