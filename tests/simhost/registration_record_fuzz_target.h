#pragma once
// The body of the registration-record fuzz target, shared by the libFuzzer program and
// the replay test of every ordinary build.
#include <cstddef>
#include <cstdint>
#include <string>

namespace fx::test {

// Reads `data` as an ELF image (and parses its ".pipl" section) and as a bare property
// list. Returns "" when every reader either refused the input with its format error or
// returned bytes that lie inside it; otherwise what went wrong.
std::string fuzz_registration_record(const std::uint8_t* data, std::size_t size);

}  // namespace fx::test
