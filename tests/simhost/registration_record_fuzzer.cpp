// libFuzzer target for the readers of the plug-in library file: the input is taken both
// as an ELF image (whose ".pipl" section is then parsed) and as a bare property list.
#include <cstdlib>

#include "tests/simhost/registration_record_fuzz_target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!fx::test::fuzz_registration_record(data, size).empty()) std::abort();
    return 0;
}
