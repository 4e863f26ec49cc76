# Shared by the end-to-end scripts: run the real Sorvane.exe under Wine in the
# test run's prefix and look at what it left behind.
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
wine_run="$root/scripts/wine-run"
export WINEPREFIX="${SV_WINEPREFIX:-$root/build/wineprefix}"
export SV_WINEPREFIX="$WINEPREFIX"
drive_c="$WINEPREFIX/drive_c"

fail() { echo "FAIL: $*" >&2; exit 1; }
reg() { "$wine_run" reg "$@" 2>/dev/null | tr -d '\r'; }
[ -f "$WINEPREFIX/system.reg" ] || "$root/scripts/wine-prefix" "$WINEPREFIX"
