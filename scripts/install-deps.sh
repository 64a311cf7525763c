#!/usr/bin/env bash
# Installs the Debian 12 packages the build and the tests need (run as root).
set -euo pipefail
packages=(
  build-essential cmake clang libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libglew-dev libpng-dev zlib1g-dev libjpeg-dev
  libegl-dev libegl-mesa0 libgl1-mesa-dri libgl-dev
  binutils  # nm: the exported-symbol test
  pkg-config nlohmann-json3-dev libcli11-dev duktape-dev libcairo2-dev nettle-dev
  # The Windows plug-in: MinGW-w64 cross compilers (posix threads) and binutils (windres),
  # dpkg-dev for apt-get source (scripts/windows-deps.sh), Wine (its loader is
  # /usr/lib/wine/wine64) and a virtual X server to run the Windows build's tests in.
  gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  dpkg-dev wine64 xvfb
  googletest  # its sources, built for Windows by scripts/windows-test-deps.sh
  zenity xdotool  # the real file dialog on the virtual display (the dialogs test)
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
