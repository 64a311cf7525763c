#pragma once
// One fuzz input through the definition parser and the describe report: the model must
// keep its invariants whatever the text, and describing it must give valid output.
#include <cstddef>
#include <cstdint>
#include <string>

namespace fx::test {

// "" when the model built from `data` keeps every invariant, else what broke.
// `report`, when given, receives the diagnostics' messages, one line each.
std::string fuzz_parse_definition(const uint8_t* data, size_t size, std::string* report = nullptr);

}  // namespace fx::test
