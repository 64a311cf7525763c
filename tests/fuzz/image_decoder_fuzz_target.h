#pragma once
// The picture decoders' fuzz body, shared by the libFuzzer programs and the replay test:
// the bytes become a file, the decoder reads it, and the result must be a consistent
// picture within the size limit, or an empty one with a failure code.
#include <cstddef>
#include <cstdint>
#include <string>

namespace fx::test {

// "" when the invariants hold, else what broke.
std::string fuzz_decode_png(const std::uint8_t* data, std::size_t size);
std::string fuzz_decode_jpeg(const std::uint8_t* data, std::size_t size);

}  // namespace fx::test
