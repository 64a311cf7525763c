#!/usr/bin/env bash
# windows-build.sh [DIR [cmake options...]]: cross-builds the 64-bit Windows plug-in,
# DIR/host/Morvelline2Pro.aex (DIR defaults to build-windows), and checks the built file:
# its exports and its registration resource (CTest test "plugin_image").
#
# Steps: the Windows libraries (scripts/windows-deps.sh, cached), the native generators
# in FX_NATIVE_BUILD (default build-native-tools; point it at an existing native build,
# such as scripts/test.sh's `build`, to reuse it), then configure, build and check.
# Extra cmake options go to the Windows configure (for instance compiler launchers).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
dir=${1:-build-windows}
shift || true
jobs=$(nproc 2>/dev/null || echo 2)
native=${FX_NATIVE_BUILD:-build-native-tools}
tools=(pipl_generator banner_packer scramble_builtin_texts plugin_image_check)

prefix=$(bash scripts/windows-deps.sh | tail -n1)

# A native folder already configured keeps its options; a new one needs no tests.
if [ ! -f "$native/CMakeCache.txt" ]; then
  cmake -S . -B "$native" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFX_WERROR=ON -DFX_BUILD_TESTS=OFF \
    -DFX_BENCHMARKS=OFF >/dev/null
fi
cmake --build "$native" -j"$jobs" --target "${tools[@]}" >/dev/null
native=$(cd "$native" && pwd)

cmake -S . -B "$dir" -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake -DFX_WINDOWS_DEPS="$prefix" \
  -DFX_NATIVE_TOOLS="$native/fx-native-tools.cmake" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFX_WERROR=ON \
  -DFX_BUILD_TESTS=OFF -DFX_BUILD_SIMHOST=OFF -DFX_BENCHMARKS=OFF "$@" >/dev/null
cmake --build "$dir" -j"$jobs" --target fx_plugin
ctest --test-dir "$dir" --output-on-failure -R '^plugin_image$'
# Where the native build made the Linux plug-in too, its registration section must be
# the Windows resource byte for byte.
if [ -f "$native/host/Morvelline2Pro.so" ]; then
  objcopy -O binary --only-section=.pipl "$native/host/Morvelline2Pro.so" "$dir/host/linux-section.pipl"
  "$native/simhost/plugin_image_check" "$dir/host/Morvelline2Pro.aex" host/exports.def "$dir/host/linux-section.pipl"
fi
echo "windows-build.sh: $dir/host/Morvelline2Pro.aex built and checked"
