#!/usr/bin/env bash
# bench.sh [BUILD_DIR]: builds and runs the benchmarks in an optimised build: whole frames
# at 1920 x 1080 through the simulated host next to memcpy and ffmpeg's xfade, then the
# row converters and the GL transfers. ffmpeg is optional (FX_FFMPEG names another one).
# For a profiler: frame_bench profile identity|transition 8|16|32 FRAMES renders only whole
# frames; FX_BENCH_PLUGIN=path/to/another/build.so runs frame_bench on another plug-in
# build, to compare two builds in turns.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-$root/build}
cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFX_BENCHMARKS=ON >/dev/null
cmake --build "$dir" -j"$(nproc 2>/dev/null || echo 2)" --target frame_bench pixel_bench render_bench
echo "== machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
"$dir/tests/bench/frame_bench"
"$dir/tests/bench/pixel_bench" --benchmark_min_time=0.2
"$dir/tests/bench/render_bench" --benchmark_min_time=0.2
