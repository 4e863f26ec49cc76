#!/usr/bin/env bash
# Builds both builds and runs every test: the native build (simulated machine,
# headless windows, sanitizers) and the windows build under Wine, in a fresh
# throw-away Wine prefix. Installs what it needs with apt-get.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
source scripts/deps.sh
ensure_packages "${NATIVE_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}"

jobs=$(nproc)
cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/native -j"$jobs"
cmake -S . -B build/windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" >/dev/null
cmake --build build/windows -j"$jobs"

# One display and one fresh prefix for the whole run; the Wine server stays up
# between test programs so that each starts quickly.
cleanup() {
  WINEPREFIX="$SV_WINEPREFIX" wineserver -k 2>/dev/null || true
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT
if [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 90 140); do [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break; done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=":$n"
  sleep 1
fi
export SV_WINEPREFIX="$root/build/wineprefix"
scripts/wine-prefix "$SV_WINEPREFIX"
WINEPREFIX="$SV_WINEPREFIX" wineserver -p
# Wine's own services start with the first program and keep its output open;
# started here, detached, they cannot hold a test's output pipe open.
scripts/wine-run cmd /c exit </dev/null >/dev/null 2>&1

# Both builds' tests in one ctest run, so the run ends with one summary. A test
# that fails is run once more: now and then a Windows program under Wine dies
# while starting, before any test code runs; a real fault fails twice.
printf 'subdirs("native" "windows")\n' > build/CTestTestfile.cmake
ctest --test-dir build -j"$jobs" --output-on-failure --timeout 600 --repeat until-pass:2
