#!/usr/bin/env bash
# tsan.sh [DIR]: builds the threaded render test with ThreadSanitizer into DIR
# (build-tsan) and runs it. Races are reported only in our own code: the GL driver is
# not instrumented, and its internal threads are kept out by the suppressions file.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-build-tsan}
cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFX_TSAN=ON -DFX_BENCHMARKS=OFF \
  ${FX_CMAKE_ARGS:-} >/dev/null
cmake --build "$dir" -j"${FX_JOBS:-2}" --target fx_plugin threaded_render_gl_tests
TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$root/scripts/tsan.supp ${TSAN_OPTIONS:-}" \
  "$dir/tests/host/threaded_render_gl_tests"
