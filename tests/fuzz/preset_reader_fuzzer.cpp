// libFuzzer entry for the preset reader (built with -DFX_FUZZ=ON; see scripts/fuzz.sh).
#include <cstdio>
#include <cstdlib>

#include "tests/fuzz/preset_reader_fuzz_target.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string broken = fx::test::fuzz_preset_reader(data, size);
    if (!broken.empty()) {
        std::fprintf(stderr, "preset_reader_fuzzer: check broken: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
