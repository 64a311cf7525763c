#!/usr/bin/env bash
# fuzz.sh [SECONDS] [RECORD_SECONDS] [PICTURE_SECONDS] [PRESET_SECONDS]: builds the libFuzzer targets with clang,
# AddressSanitizer and UndefinedBehaviorSanitizer into build-fuzz, then fuzzes the
# definition parser for SECONDS seconds (default 60), starting from tests/fuzz/corpus, and
# the library-file readers (ELF sections, registration record) for RECORD_SECONDS seconds
# (default 30), starting from tests/simhost/registration_record_fuzz/corpus, and the plug-in's PNG
# and JPEG decoders for PICTURE_SECONDS seconds each (default 20), starting from
# tests/fuzz/image_corpus; one process each. Picture inputs go to build-fuzz/png-corpus
# and build-fuzz/jpeg-corpus, their crashes to build-fuzz/png-crash-* and jpeg-crash-*. New interesting inputs go to build-fuzz/fuzz-corpus and build-fuzz/record-corpus
# (the repository's seeds stay as they are); a crash leaves its input as
# build-fuzz/crash-* or build-fuzz/record-crash-* and fails the script.
# The fxhost picture readers get PICTURE_SECONDS (default 20), from tests/pictures/fuzz_corpus;
# the preset reader PRESET_SECONDS (default 30), from tests/fuzz/preset_corpus (new inputs in
# build-fuzz/preset-corpus, crashes as build-fuzz/preset-crash-*).
# The fuzz environment answers "#include big:<piece>" with <piece> repeated up to 2 MiB,
# so the short "bounds_" seeds reach the parser's size bounds within -max_len.
set -euo pipefail
seconds=${1:-60}
record_seconds=${2:-30}
picture_seconds=${3:-20}
image_seconds=${picture_seconds}
preset_seconds=${4:-30}
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=$(nproc 2>/dev/null || echo 2)

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DFX_FUZZ=ON -DFX_SANITIZE=ON -DFX_BENCHMARKS=OFF >/dev/null
cmake --build build-fuzz --target parse_definition_fuzzer registration_record_fuzzer picture_decoder_fuzzer \
  png_decoder_fuzzer jpeg_decoder_fuzzer preset_reader_fuzzer -j"$jobs"

mkdir -p build-fuzz/fuzz-corpus
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  build-fuzz/tests/fuzz/parse_definition_fuzzer \
  -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
  -dict=tests/fuzz/definition.dict -artifact_prefix=build-fuzz/ -print_final_stats=1 \
  build-fuzz/fuzz-corpus tests/fuzz/corpus

mkdir -p build-fuzz/record-corpus
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  build-fuzz/tests/simhost/registration_record_fuzzer \
  -max_total_time="$record_seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
  -dict=tests/simhost/registration_record_fuzz/pipl.dict -artifact_prefix=build-fuzz/record- \
  -print_final_stats=1 build-fuzz/record-corpus tests/simhost/registration_record_fuzz/corpus
mkdir -p build-fuzz/picture-corpus
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  build-fuzz/tests/pictures/picture_decoder_fuzzer \
  -max_total_time="$picture_seconds" -max_len=8192 -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix=build-fuzz/picture- -print_final_stats=1 build-fuzz/picture-corpus tests/pictures/fuzz_corpus
# Pictures above the decoders' size limit are refused from their headers, so the
# memory limit holds: -rss_limit_mb catches a decoder that allocates before checking.
for kind in png jpeg; do
  mkdir -p "build-fuzz/${kind}-corpus"
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    "build-fuzz/tests/fuzz/${kind}_decoder_fuzzer" \
    -max_total_time="$image_seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="build-fuzz/${kind}-" -print_final_stats=1 \
    "build-fuzz/${kind}-corpus" "tests/fuzz/image_corpus/${kind}"
done
mkdir -p build-fuzz/preset-corpus
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  build-fuzz/tests/fuzz/preset_reader_fuzzer \
  -max_total_time="$preset_seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix=build-fuzz/preset- -print_final_stats=1 build-fuzz/preset-corpus tests/fuzz/preset_corpus
echo "fuzz.sh: no crash in ${seconds} s (parser), ${record_seconds} s (registration record)," \
  "${picture_seconds} s (fxhost picture readers), ${image_seconds} s each (plug-in PNG and JPEG decoders)" \
  "and ${preset_seconds} s (preset reader)"
