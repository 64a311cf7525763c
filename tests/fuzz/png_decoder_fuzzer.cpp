// libFuzzer entry for the PNG decoder (built with -DFX_FUZZ=ON; see scripts/fuzz.sh).
#include <cstdio>
#include <cstdlib>

#include "tests/fuzz/image_decoder_fuzz_target.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string broken = fx::test::fuzz_decode_png(data, size);
    if (!broken.empty()) {
        std::fprintf(stderr, "png_decoder_fuzzer: invariant broken: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
