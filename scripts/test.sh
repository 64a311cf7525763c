#!/usr/bin/env bash
# Installs what is needed, builds, and runs the whole test suite: a normal build, the
# cross-built Windows plug-in and its check, the Windows tests under Wine (the CI subset;
# `bash scripts/windows-test.sh --full` runs them all), an AddressSanitizer +
# UndefinedBehaviorSanitizer build, the threaded render test under ThreadSanitizer, and a
# short fuzzing run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
if [ "$(id -u)" = 0 ]; then bash scripts/install-deps.sh; fi
jobs=$(nproc 2>/dev/null || echo 2)
# GL tests must find a context: a broken GL set-up fails instead of skipping.
export FX_REQUIRE_GL=1

bash scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFX_WERROR=ON
ctest --test-dir build --output-on-failure -j"$jobs"

# The Windows plug-in, cross-built with the generators of the build above, and the check
# of its exports and registration resource.
FX_NATIVE_BUILD=build bash scripts/windows-build.sh build-windows
# The simulated host and the tests built for Windows and run under Wine on a virtual
# display; fxhost.exe's frames compared with the Linux fxhost's.
FX_NATIVE_BUILD=build bash scripts/windows-test.sh build-windows-tests

bash scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DFX_SANITIZE=ON -DFX_BENCHMARKS=OFF -DFX_WERROR=ON
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j"$jobs"

# The threaded render test under ThreadSanitizer: four host threads against one.
bash scripts/tsan.sh build-tsan

if [ -x scripts/fuzz.sh ] || [ -f scripts/fuzz.sh ]; then
  bash scripts/fuzz.sh 30 15 10 15
fi
echo "test.sh: all tests passed"
