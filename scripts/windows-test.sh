#!/usr/bin/env bash
# windows-test.sh [--full] [DIR [cmake options...]]: cross-builds the simulated host,
# fxhost and the test suite for 64-bit Windows into DIR (default build-windows-tests) and
# runs the tests under Wine on a virtual X display (Xvfb), with Wine's OpenGL on the
# host's Mesa, so the GL tests render for real and the dialogs open for real. Then
# fxhost.exe render must give the same pixels as the Linux fxhost for the identity
# definition and the built-in effect.
#
# Without --full it builds and runs the subset CI runs (the CTest label "windows-ci":
# the dialogs, the platform layer, the GL engine and the plug-in shell); --full builds
# and runs every test the Windows build has.
#
# The native build in FX_NATIVE_BUILD (default build-native-tools) gives the generators;
# its Linux fxhost and plug-in, where it built them, are what the pictures are compared
# against (scripts/test.sh passes its `build`); without them the comparison is skipped
# with a message. The build uses -O1 without debug information: it is built to be run
# once, and is much quicker to compile so.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
full=0
if [ "${1:-}" = --full ]; then
  full=1
  shift
fi
dir=${1:-build-windows-tests}
shift || true
jobs=$(nproc 2>/dev/null || echo 2)
native=${FX_NATIVE_BUILD:-build-native-tools}
tools=(pipl_generator banner_packer scramble_builtin_texts plugin_image_check)
ci_targets=(windows_tests platform_tests render_gl_tests host_tests fxhost)

say() { echo "windows-test.sh: $*"; }

prefix=$(bash scripts/windows-deps.sh | tail -n1)
test_prefix=$(bash scripts/windows-test-deps.sh | tail -n1)

if [ ! -f "$native/CMakeCache.txt" ]; then
  cmake -S . -B "$native" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFX_WERROR=ON -DFX_BUILD_TESTS=OFF \
    -DFX_BENCHMARKS=OFF >/dev/null
fi
cmake --build "$native" -j"$jobs" --target "${tools[@]}" >/dev/null
native=$(cd "$native" && pwd)

SECONDS=0
cmake -S . -B "$dir" -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake -DFX_WINDOWS_DEPS="$prefix" \
  -DFX_WINDOWS_TEST_DEPS="$test_prefix" -DFX_NATIVE_TOOLS="$native/fx-native-tools.cmake" \
  -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-O1 -DCMAKE_C_FLAGS_DEBUG=-O1 -DFX_WERROR=ON \
  -DFX_BUILD_TESTS=ON -DFX_BUILD_SIMHOST=ON -DFX_BENCHMARKS=OFF \
  -DCMAKE_CROSSCOMPILING_EMULATOR="$root/scripts/wine-run.sh" "$@" >/dev/null
if [ "$full" = 1 ]; then
  cmake --build "$dir" -j"$jobs"
else
  cmake --build "$dir" -j"$jobs" --target "${ci_targets[@]}"
fi
say "built in ${SECONDS}s"
dir=$(cd "$dir" && pwd)

# A virtual display of our own (the first free number from 90), gone when we are.
display=90
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >"$dir/xvfb.log" 2>&1 &
xvfb=$!
export WINEPREFIX=$dir/wine-prefix FX_WINEPREFIX=$dir/wine-prefix
stop() {
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap stop EXIT
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
export DISPLAY=:$display
# GL tests fail instead of skipping when Wine's OpenGL does not come up.
export FX_REQUIRE_GL=1

SECONDS=0
# One wine server for every test program: the prefix is made once, before ctest starts them.
scripts/wine-run.sh cmd /c exit 0 >/dev/null 2>&1 || true
say "Wine prefix ready in ${SECONDS}s"
SECONDS=0
# Twice as many test programs as cores: a Wine program waits on the wine server and the X
# server for much of its start.
if [ "$full" = 1 ]; then
  ctest --test-dir "$dir" --output-on-failure -j$((2 * jobs))
else
  ctest --test-dir "$dir" --output-on-failure -j$((2 * jobs)) -L windows-ci
fi
say "tests ran in ${SECONDS}s"

# The same frames from both builds, pixel for pixel.
linux_fxhost=$native/simhost/fxhost/fxhost
if [ ! -x "$linux_fxhost" ] || [ ! -f "$native/host/Morvelline2Pro.so" ]; then
  say "no Linux fxhost in $native: the pictures of the two builds are not compared"
  exit 0
fi
pictures=$dir/compared-pictures
rm -rf "$pictures" && mkdir -p "$pictures"
compare() {
  local name=$1
  shift
  "$linux_fxhost" render --plugin "$native/host/Morvelline2Pro.so" "$@" --output "$pictures/$name-linux.png" >/dev/null
  local args=() a
  for a in "$@"; do
    case "$a" in /*) args+=("Z:$a") ;; *) args+=("$a") ;; esac
  done
  scripts/wine-run.sh "$dir/simhost/fxhost/fxhost.exe" render --plugin "Z:$dir/host/Morvelline2Pro.aex" "${args[@]}" \
    --output "Z:$pictures/$name-windows.png" >/dev/null
  if python3 scripts/compare-pictures.py "$pictures/$name-linux.png" "$pictures/$name-windows.png"; then
    say "same pixels: $name"
  else
    say "the Windows build renders $name differently (pictures in $pictures)"
    return 1
  fi
}
identity=$root/tests/windows/identity.fxdef
compare identity-8 --definition "$identity" --depth 8
compare identity-16 --definition "$identity" --depth 16
compare identity-32 --definition "$identity" --depth 32
compare builtin-8 --depth 8
compare builtin-16 --depth 16
compare builtin-32-classic --depth 32 --classic
compare builtin-premiere --premiere --depth 8
say "passed"
