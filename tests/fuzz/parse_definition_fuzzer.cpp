// libFuzzer entry for the definition parser (built with -DFX_FUZZ=ON; see scripts/fuzz.sh).
#include <cstdio>
#include <cstdlib>

#include "tests/fuzz/parse_definition_fuzz_target.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The parser reports bad lines on standard output; thousands of inputs a second would
    // drown libFuzzer's own report, which goes to standard error.
    if (!std::freopen("/dev/null", "w", stdout)) return 0;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string broken = fx::test::fuzz_parse_definition(data, size);
    if (!broken.empty()) {
        std::fprintf(stderr, "parse_definition_fuzzer: invariant broken: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
