#!/usr/bin/env bash
# Builds Sorvane.exe and starts it under Wine, in Sorvane's own Wine prefix.
# Without a display it runs on a virtual one, saves a screenshot of what Sorvane
# shows to build/screenshot.png and ends. Arguments are passed to Sorvane.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
source scripts/deps.sh
ensure_packages "${WINDOWS_PACKAGES[@]}" imagemagick

cmake -S . -B build/windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" >/dev/null
cmake --build build/windows --target Sorvane -j"$(nproc)"
exe="$root/build/windows/Sorvane.exe"

export WINEPREFIX="${SORVANE_WINEPREFIX:-$HOME/.local/share/sorvane/wineprefix}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
wine=$(command -v wine64 || command -v wine)

if [ -n "${DISPLAY:-}" ]; then
  [ -f "$WINEPREFIX/system.reg" ] || { mkdir -p "$WINEPREFIX"; wineboot -i >/dev/null 2>&1; wineserver -w; }
  exec "$wine" "$exe" "$@"
fi

# No display: a virtual one, with Wine's desktop window so that windows get frames.
for n in $(seq 90 140); do [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break; done
Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'wineserver -k 2>/dev/null || true; kill $xvfb_pid 2>/dev/null || true' EXIT
export DISPLAY=":$n"
sleep 1
[ -f "$WINEPREFIX/system.reg" ] || { mkdir -p "$WINEPREFIX"; wineboot -i >/dev/null 2>&1; wineserver -w; }
"$wine" explorer /desktop=Sorvane,1024x768 "$exe" "$@" >/dev/null 2>&1 &
sleep "${SORVANE_SHOT_DELAY:-6}"
import -window root "$root/build/screenshot.png"
echo "Sorvane ran on a virtual display (no display here); what it showed is in build/screenshot.png"
