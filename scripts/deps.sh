# Installs with apt-get whatever of the given Debian packages is missing.
# Sourced by the build scripts: ensure_packages pkg...
ensure_packages() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

NATIVE_PACKAGES=(cmake ninja-build g++ libgtest-dev libgmock-dev googletest libbenchmark-dev)
WINDOWS_PACKAGES=(cmake ninja-build g++-mingw-w64-x86-64-posix mingw-w64-tools googletest wine wine64 xvfb xauth fonts-wine)
